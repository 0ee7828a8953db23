#include "TSortOrders.h"

namespace {
struct TSortOrder {
    const char* Caption;
    const char* Tag;
};

constexpr TSortOrder sortOrders[] = {
    {"Last Name", "LNAME"}, {"First Name", "FNAME"}, {"Title", "TITLE"}, {"Organization", "ORG"},
    {"Street", "STREET"},   {"City", "CITY"},         {"State", "STATE"}, {"Zip", "ZIP"},
    {"Country", "COUNTRY"}, {"Phone", "PHONE"},       {"E-mail", "EMAIL"}, {"Fax", "FAX"},
    {"Date", "DATE"},       {"Codes", "CODES"}};
} // namespace

QStringList TSortOrders::Captions()
{
    QStringList captions;
    for (const TSortOrder& order : sortOrders)
        captions << QLatin1String(order.Caption);
    return captions;
}

QString TSortOrders::TagFor(const QString& caption)
{
    for (const TSortOrder& order : sortOrders)
        if (caption.compare(QLatin1String(order.Caption), Qt::CaseInsensitive) == 0)
            return QLatin1String(order.Tag);
    return QString();
}
