#include "TSearchForm.h"

#include "TSortOrders.h"
#include "data/TAddressTable.h"
#include "data/TCp1252.h"
#include "data/TAddressSchema.h"
#include "prompts/TUserPrompts.h"
#include "settings/TWindowPlacement.h"
#include "xbase/TextCase.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString KeyExpressionOf(const QString& tag)
{
    for (const TTagDef& def : TAddressSchema::Tags())
        if (tag == QLatin1String(def.Name))
            return QLatin1String(def.KeyExpression);
    return QString();
}

bool InRecordSet(xbase::WorkArea& area)
{
    xbase::DbfTable& records = area.table();
    if (records.eof())
        return false;
    if (records.flaggedHidden() && records.isFlaggedDeleted())
        return false;
    return area.condition().empty() || area.test(area.condition());
}

// The seek finds keys in the whole tag; a record outside the record set (deleted, or refused by
// the filter) hands on to the next member, which counts only while its key still begins with it.
bool SeekInRecordSet(xbase::WorkArea& area, const std::string& key, const std::string& keyExpression)
{
    if (!area.seek(key))
        return false;
    if (InRecordSet(area))
        return true;
    area.table().skip();
    if (area.table().eof())
        return false;
    return area.evaluateText(keyExpression).starts_with(key);
}
} // namespace

TSearchForm::TSearchForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Search"));
    OrderList = new QComboBox;
    OrderList->addItems(TSortOrders::Captions());
    OrderList->setMaxVisibleItems(OrderList->count());
    TextEdit = new QLineEdit;
    TextEdit->setMinimumWidth(260);
    auto* orderLabel = new QLabel(QStringLiteral("Search &Order"));
    orderLabel->setBuddy(OrderList);
    TextLabel = new QLabel;
    TextLabel->setBuddy(TextEdit);
    connect(OrderList, &QComboBox::currentIndexChanged, this, &TSearchForm::UpdateTextLabel);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(orderLabel);
    layout->addWidget(OrderList);
    layout->addSpacing(8);
    layout->addWidget(TextLabel);
    layout->addWidget(TextEdit);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    UpdateTextLabel();
    TextEdit->setFocus();
}

void TSearchForm::SetOrderCaption(const QString& caption)
{
    const int index = OrderList->findText(caption, Qt::MatchFixedString);
    OrderList->setCurrentIndex(index >= 0 ? index : 0);
    UpdateTextLabel();
}

QString TSearchForm::OrderCaption() const { return OrderList->currentText(); }

QString TSearchForm::SearchText() const { return TextEdit->text(); }

void TSearchForm::UpdateTextLabel()
{
    TextLabel->setText(QStringLiteral("Search ") + OrderList->currentText() + QStringLiteral(" starting with..."));
}

bool TSearchForm::Search(TAddressTable& table, const QString& orderCaption, const QString& text)
{
    const QString tag = TSortOrders::TagFor(orderCaption);
    if (tag.isEmpty() || !table.SetOrderTag(tag))
        return false;
    xbase::WorkArea& area = table.Area();
    xbase::DbfTable& records = area.table();
    const uint32_t start = records.eof() ? 0 : records.recordNumber();
    std::string key = TCp1252::Encode(text);
    xbase::TextCase::toUpper(key.data(), key.size());

    const bool wasExact = area.exact();
    if (wasExact)
        area.setExact(false); // "begins with"
    area.setSoftSeek(false);
    bool found = false;
    try {
        found = SeekInRecordSet(area, key, KeyExpressionOf(tag).toStdString());
    } catch (...) {
        if (wasExact)
            area.setExact(true);
        throw;
    }
    if (wasExact)
        area.setExact(true);
    if (!found)
        records.go(start);
    return found;
}

bool TSearchForm::Execute(QWidget* parent, TAddressTable& table, QString& orderCaption)
{
    TSearchForm form(parent);
    form.SetOrderCaption(orderCaption);
    form.adjustSize();
    TWindowPlacement::Centre(&form, parent);
    if (form.exec() != QDialog::Accepted || form.SearchText().isEmpty())
        return false;
    orderCaption = form.OrderCaption();
    try {
        return Search(table, orderCaption, form.SearchText());
    } catch (const xbase::XbaseError& error) {
        TUserPrompts::Current().Information(QString::fromStdString(error.what()));
        return false;
    }
}
