#include "classlib/controls/printsetupdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

namespace classlib {

TPrintSetupDialog::TPrintSetupDialog(const TModalRequest& Request, QWidget* Parent) : QDialog(Parent)
{
    setWindowTitle(Request.Caption.isEmpty() ? QStringLiteral("Print") : Request.Caption);
    Note = new QLabel(Request.Text, this);
    Note->setVisible(!Request.Text.isEmpty());
    Destination = new QComboBox(this);
    Destination->addItems(Request.Printers);
    FFileDestination = int(Request.Printers.size());
    Destination->addItem(QStringLiteral("Print to File (PDF)"));
    const bool toFile = Request.PrintToFile || Request.Printers.isEmpty() || Request.PrinterIndex < 0
                        || Request.PrinterIndex >= Request.Printers.size();
    Destination->setCurrentIndex(toFile ? FFileDestination : Request.PrinterIndex);
    FileName = new QLineEdit(Request.FileName, this);
    Browse = new QPushButton(QStringLiteral("&Browse..."), this);
    All = new QRadioButton(QStringLiteral("&All"), this);
    Range = new QRadioButton(QStringLiteral("Pa&ges"), this);
    From = new QSpinBox(this);
    To = new QSpinBox(this);
    for (QSpinBox* box : {From, To}) box->setRange(Request.MinPage, std::max(Request.MinPage, Request.MaxPage));
    From->setValue(Request.FromPage);
    To->setValue(Request.ToPage);
    (Request.PageRange ? Range : All)->setChecked(true);
    for (QWidget* w : std::initializer_list<QWidget*>{Range, From, To}) w->setEnabled(Request.PageNums);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Destination, &QComboBox::currentIndexChanged, this, [this] { UpdateState(); });
    connect(FileName, &QLineEdit::textChanged, this, [this] { UpdateState(); });
    connect(Browse, &QPushButton::clicked, this, [this] { BrowseForFile(); });

    auto* file = new QHBoxLayout;
    file->addWidget(FileName);
    file->addWidget(Browse);
    auto* pages = new QHBoxLayout;
    pages->addWidget(Range);
    pages->addWidget(From);
    pages->addWidget(new QLabel(QStringLiteral("to"), this));
    pages->addWidget(To);
    auto* form = new QFormLayout(this);
    form->addRow(Note);
    form->addRow(QStringLiteral("&Name:"), Destination);
    form->addRow(QStringLiteral("&File:"), file);
    form->addRow(All);
    form->addRow(pages);
    form->addRow(buttons);
    UpdateState();
}

void TPrintSetupDialog::UpdateState()
{
    const bool toFile = Destination->currentIndex() == FFileDestination;
    FileName->setEnabled(toFile);
    Browse->setEnabled(toFile);
    Ok->setEnabled(!toFile || !FileName->text().trimmed().isEmpty());
}

void TPrintSetupDialog::BrowseForFile()
{
    TModalRequest request;
    request.Kind = TModalKind::SaveFile;
    request.Caption = QStringLiteral("Print to File");
    request.FileName = FileName->text();
    request.Filter = QStringLiteral("PDF files (*.pdf)|*.pdf");
    request.DefaultExt = QStringLiteral("pdf");
    if (RunModal(request) == mrOk && !request.FileName.isEmpty()) FileName->setText(request.FileName);
}

void TPrintSetupDialog::Apply(TModalRequest& Request) const
{
    Request.PrintToFile = Destination->currentIndex() == FFileDestination;
    if (Request.PrintToFile)
        Request.FileName = FileName->text().trimmed();
    else
        Request.PrinterIndex = Destination->currentIndex();
    Request.PageRange = Range->isChecked();
    Request.FromPage = From->value();
    Request.ToPage = To->value();
}

} // namespace classlib
