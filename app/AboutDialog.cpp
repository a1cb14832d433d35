#include "toolbox/ProductVersion.h"

#include "app/AboutDialog.h"

#include "app/triext/ImageList.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle("About Ordovan");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* icon = new QLabel(this);
    icon->setPixmap(ImageList::GetApplicationIcon().pixmap(QSize(32, 32)));
    icon->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    textLabel = new QLabel(this);
    textLabel->setText(QString::fromLatin1(toolbox::ProductVersionText)
        + QStringLiteral("\n\n"
                         "Computes daily time plans for several persons\n"
                         "who share resources.\n\n"
                         "Copyright (c) 2026 the Ordovan authors.\n"
                         "Help / Terms and Conditions gives the license.\n\n"
                         "Questions and reports: ordovan@quillfeather.example\n"
                         "Web: https://ordovan.quillfeather.example/"));
    textLabel->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    textLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    okButton = new QPushButton("OK", this);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addWidget(textLabel, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    // The box keeps the proportions of 247 by 189 dialog units.
    QFontMetrics metrics(font());
    int unitWidth = metrics.averageCharWidth();
    int unitHeight = metrics.height();
    // Nothing in it grows, so it keeps one size, which also spares it a
    // maximize button.
    setFixedSize(QSize(247 * unitWidth / 4, 189 * unitHeight / 8).expandedTo(sizeHint()));
}
