#include "app/triext/ForcableDialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPushButton>

namespace mfctriext {

ForcableDialog::ForcableDialog(QWidget* parent)
    : QDialog(parent ? parent : QApplication::activeWindow())
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void ForcableDialog::Force()
{
    forced = true;
    if (cancelButton)
        cancelButton->setEnabled(false);
    if (okButton)
        okButton->setText(QStringLiteral("Close"));

    // Changing the flags of a shown window hides it; show it again in place.
    const bool wasVisible = isVisible();
    const QPoint position = pos();
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    if (wasVisible) {
        move(position);
        show();
    }
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
