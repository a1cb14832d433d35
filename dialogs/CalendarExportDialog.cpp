#include "calendar/CalendarDay.h"
#include "calendar/CalendarExport.h"
#include "planning/CompletePlan.h"
#include "planning/PersonalPlan.h"

#include "dialogs/CalendarExportDialog.h"

#include "app/triext/MessageBox.h"
#include "app/triext/ModalRunner.h"
#include "dialogs/PersonalPlanTimetable.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

constexpr int PathWidthInCharacters = 48;

QString DocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

std::string FileSystemPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

CalendarDay DayOf(const QDate& date)
{
    return CalendarDay::Of(date.year(), date.month(), date.day()).value_or(CalendarDay::Tomorrow());
}

} // namespace

CalendarExportDialog::CalendarExportDialog(const CompletePlan& household, QWidget* parent)
    : CalendarExportDialog(&household, nullptr, parent)
{
}

CalendarExportDialog::CalendarExportDialog(const PersonalPlan& person, QWidget* parent)
    : CalendarExportDialog(nullptr, &person, parent)
{
}

CalendarExportDialog::CalendarExportDialog(const CompletePlan* household, const PersonalPlan* person, QWidget* parent)
    : ForcableDialog(parent)
    , household(household)
    , person(person)
    , dayEdit(new QDateEdit(this))
    , pathLabel(new QLabel(this))
    , pathEdit(new QLineEdit(this))
    , browseButton(new QPushButton(QStringLiteral("&Browse..."), this))
{
    setWindowTitle(QStringLiteral("Export to calendar"));
    const CalendarDay tomorrow = CalendarDay::Tomorrow();
    dayEdit->setCalendarPopup(true);
    dayEdit->setDate(QDate(tomorrow.GetYear(), tomorrow.GetMonth(), tomorrow.GetDay()));
    dayEdit->setDisplayFormat(QStringLiteral("dddd, d MMMM yyyy"));
    pathEdit->setMinimumWidth(pathEdit->fontMetrics().averageCharWidth() * PathWidthInCharacters);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Day:"), dayEdit);
    if (household) {
        oneFileChoice = new QRadioButton(QStringLiteral("&One file for the household"), this);
        folderChoice = new QRadioButton(QStringLiteral("One file per &person in a folder"), this);
        auto* choices = new QButtonGroup(this);
        choices->addButton(oneFileChoice);
        choices->addButton(folderChoice);
        oneFileChoice->setChecked(true);
        form->addRow(oneFileChoice);
        form->addRow(folderChoice);
        // A path typed for a file makes no folder, nor the other way round.
        connect(oneFileChoice, &QRadioButton::toggled, this, [this] {
            pathChosen = false;
            OnDefaultsChanged();
        });
    }
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(pathEdit, 1);
    pathRow->addWidget(browseButton);
    pathLabel->setBuddy(pathEdit);
    form->addRow(pathLabel, pathRow);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(CreateButtonRow({ CreateOkButton(QStringLiteral("Export")), CreateCancelButton() }));

    connect(dayEdit, &QDateEdit::dateChanged, this, &CalendarExportDialog::OnDefaultsChanged);
    connect(pathEdit, &QLineEdit::textEdited, this, [this] { pathChosen = true; });
    connect(browseButton, &QPushButton::clicked, this, &CalendarExportDialog::OnBrowse);
    OnDefaultsChanged();
    OnInitDialog();
}

void CalendarExportDialog::accept()
{
    const QString path = ChosenPath();
    if (path.isEmpty()) {
        MessageBox::Show(this,
            GetChoice() == Choice::OneFile ? QStringLiteral("Please choose a file first.")
                                           : QStringLiteral("Please choose a folder first."),
            MessageBox::Icon::Stop);
        return;
    }
    const QStringList existing = ExistingTargets(path);
    if (!existing.isEmpty()
        && MessageBox::Show(this,
               QStringLiteral("These files exist already and will be replaced:\n%1\n\nReplace them?")
                   .arg(existing.join(QLatin1Char('\n'))),
               MessageBox::Icon::Question, MessageBox::Buttons::YesNo)
            != MessageBox::Answer::Yes)
        return;
    QString error;
    if (!Export(path, error)) {
        MessageBox::Show(this, QStringLiteral("The calendar was not written: ") + error, MessageBox::Icon::Stop);
        return;
    }
    ForcableDialog::accept();
}

CalendarExportDialog::Choice CalendarExportDialog::GetChoice() const
{
    return folderChoice && folderChoice->isChecked() ? Choice::FolderPerPerson : Choice::OneFile;
}

QString CalendarExportDialog::DefaultPath() const
{
    const QString day = dayEdit->date().toString(Qt::ISODate);
    QString name = QStringLiteral("Ordovan plan ") + day;
    if (person)
        name = PersonalPlanTimetable::PersonNameOf(*person) + QLatin1Char(' ') + day;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    if (GetChoice() == Choice::OneFile)
        name += QStringLiteral(".ics");
    return QDir(DocumentsFolder()).filePath(name);
}

QString CalendarExportDialog::ChosenPath() const
{
    const QString typed = pathEdit->text().trimmed();
    return typed.isEmpty() ? QString() : QDir(DocumentsFolder()).absoluteFilePath(typed);
}

QStringList CalendarExportDialog::ExistingTargets(const QString& path) const
{
    QStringList existing;
    if (GetChoice() == Choice::OneFile) {
        if (QFileInfo::exists(path))
            existing.append(path);
        return existing;
    }
    for (const std::string& name : CalendarExport::PersonFileNames(*household)) {
        const QString file = QDir(path).filePath(QFile::decodeName(name.c_str()));
        if (QFileInfo::exists(file))
            existing.append(file);
    }
    return existing;
}

void CalendarExportDialog::OnDefaultsChanged()
{
    pathLabel->setText(GetChoice() == Choice::OneFile ? QStringLiteral("&File:") : QStringLiteral("&Folder:"));
    if (!pathChosen)
        pathEdit->setText(DefaultPath());
}

void CalendarExportDialog::OnBrowse()
{
    QFileDialog chooser(this, windowTitle(), ChosenPath().isEmpty() ? DefaultPath() : ChosenPath());
    if (GetChoice() == Choice::OneFile) {
        chooser.setAcceptMode(QFileDialog::AcceptSave);
        chooser.setNameFilter(QStringLiteral("Calendar files (*.ics)"));
        chooser.setDefaultSuffix(QStringLiteral("ics"));
        // Replacing is asked once, on Export.
        chooser.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        chooser.setFileMode(QFileDialog::Directory);
        chooser.setOption(QFileDialog::ShowDirsOnly);
    }
    if (ModalRunner::Run(chooser) != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    pathEdit->setText(chooser.selectedFiles().first());
    pathChosen = true;
}

bool CalendarExportDialog::Export(const QString& path, QString& error) const
{
    const CalendarExport exporter(DayOf(dayEdit->date()));
    CalendarExport::Outcome outcome;
    if (person)
        outcome = exporter.WritePerson(*person, FileSystemPath(path));
    else if (GetChoice() == Choice::OneFile)
        outcome = exporter.WriteHousehold(*household, FileSystemPath(path));
    else
        outcome = exporter.WritePerPerson(*household, FileSystemPath(path));
    error = QString::fromStdString(outcome.error);
    return outcome.written;
}
