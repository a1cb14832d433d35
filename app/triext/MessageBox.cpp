#include "app/triext/MessageBox.h"

#include <QMessageBox>

#include <deque>

namespace {

std::deque<MessageBox::Answer> queuedAnswers;
MessageBox::Handler handler;
QString lastText;
int shownCount = 0;

QMessageBox::Icon ToQtIcon(MessageBox::Icon icon)
{
    switch (icon) {
    case MessageBox::Icon::Stop:
        return QMessageBox::Critical;
    case MessageBox::Icon::Warning:
        return QMessageBox::Warning;
    case MessageBox::Icon::Information:
        return QMessageBox::Information;
    case MessageBox::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageBox::Buttons buttons)
{
    switch (buttons) {
    case MessageBox::Buttons::Ok:
        return QMessageBox::Ok;
    case MessageBox::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageBox::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageBox::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MessageBox::Answer FromQtButton(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return MessageBox::Answer::Yes;
    case QMessageBox::No:
        return MessageBox::Answer::No;
    case QMessageBox::Cancel:
        return MessageBox::Answer::Cancel;
    default:
        return MessageBox::Answer::Ok;
    }
}

MessageBox::Answer ShowReal(QWidget* owner, const QString& text, MessageBox::Icon icon, MessageBox::Buttons buttons)
{
    QMessageBox box(ToQtIcon(icon), "Ordovan", text, ToQtButtons(buttons), owner);
    return FromQtButton(box.exec());
}

} // namespace

MessageBox::Answer MessageBox::Show(QWidget* owner, const QString& text, Icon icon, Buttons buttons)
{
    lastText = text;
    ++shownCount;
    if (!queuedAnswers.empty()) {
        Answer answer = queuedAnswers.front();
        queuedAnswers.pop_front();
        return answer;
    }
    if (handler)
        return handler(owner, text, icon, buttons);
    return ShowReal(owner, text, icon, buttons);
}

void MessageBox::SetNextAnswer(Answer answer)
{
    queuedAnswers.push_back(answer);
}

void MessageBox::SetHandler(Handler newHandler)
{
    handler = std::move(newHandler);
}

QString MessageBox::GetLastText()
{
    return lastText;
}

int MessageBox::GetShownCount()
{
    return shownCount;
}

void MessageBox::ResetRecord()
{
    queuedAnswers.clear();
    lastText.clear();
    shownCount = 0;
}
