#include "app/triext/ForcableDialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>

namespace mfctriext {

ForcableDialog::ForcableDialog(QWidget* parent)
    : QDialog(parent ? parent : QApplication::activeWindow())
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void ForcableDialog::Force()
{
    // The window flags stay as they are: changing them hides a shown window,
    // and hiding a dialog ends its modal run as if it had been cancelled.
    // The close box stays too; while forced, a close request is refused (see
    // reject()), so the dialog still ends only through "Close".
    forced = true;
    if (cancelButton)
        cancelButton->setEnabled(false);
    if (okButton)
        okButton->setText(QStringLiteral("Close"));
}

void ForcableDialog::accept()
{
    DoDataExchange(Exchange::Save);
    QDialog::accept();
}

void ForcableDialog::reject()
{
    if (!forced)
        QDialog::reject();
}

void ForcableDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (shownBefore || event->spontaneous())
        return;
    shownBefore = true;
    MakeRoomForTitle();
    // Without a way to resize it, a window manager offers no maximize button either.
    if (sizing == Sizing::Fixed)
        setFixedSize(size());
    SelectFirstField();
}

void ForcableDialog::SelectFirstField()
{
    for (QWidget* widget = nextInFocusChain(); widget && widget != this; widget = widget->nextInFocusChain()) {
        auto* field = qobject_cast<QLineEdit*>(widget);
        if (field && field->isEnabled() && (field->focusPolicy() & Qt::TabFocus)) {
            field->setFocus(Qt::TabFocusReason);
            field->selectAll();
            return;
        }
    }
}

void ForcableDialog::MakeRoomForTitle()
{
    // The window manager draws the title in a bold font of its own, beside
    // the window icon and its buttons; about eight line heights leave room
    // for those, so that a narrow dialog does not cut its title.
    QFont titleFont = font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    int needed = metrics.horizontalAdvance(windowTitle()) + 8 * metrics.height();
    // A title made long by a long name is cut rather than the dialog made wider than the screen.
    if (const QScreen* shownOn = screen())
        needed = std::min(needed, shownOn->availableGeometry().width() * 3 / 4);
    setMinimumWidth(std::max(minimumWidth(), needed));
    if (width() < needed)
        resize(needed, height());
}

void ForcableDialog::DoDataExchange(Exchange) { }

void ForcableDialog::OnInitDialog()
{
    DoDataExchange(Exchange::Load);
}

QPushButton* ForcableDialog::CreateOkButton(const QString& text)
{
    okButton = new QPushButton(text, this);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &ForcableDialog::accept);
    return okButton;
}

QPushButton* ForcableDialog::CreateCancelButton(const QString& text)
{
    cancelButton = new QPushButton(text, this);
    connect(cancelButton, &QPushButton::clicked, this, &ForcableDialog::reject);
    return cancelButton;
}

QHBoxLayout* ForcableDialog::CreateButtonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

QSize ForcableDialog::DialogUnitsToPixels(int width, int height) const
{
    const QFontMetrics metrics(font());
    const int averageCharWidth = metrics.averageCharWidth();
    return QSize(width * averageCharWidth / 4, height * metrics.height() / 8);
}

} // namespace mfctriext
