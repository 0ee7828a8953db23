// What data-bound layout objects read: the current record of a data set whose fields have a
// name and a display label. The address table adapter (TLAddressDataSource) is the real one;
// TLRecordDataSource holds one record in memory for the command line, tests and benchmarks.
#pragma once

#include <QHash>
#include <QString>

#include <vector>

struct TLDataField {
    enum class TKind { String, Memo, Other };
    QString Name;
    QString DisplayLabel;
    TKind Kind = TKind::String;
    bool Visible = true;
    int Tag = 0;
};

class TLDataSource {
public:
    virtual ~TLDataSource() = default;
    virtual bool Active() const = 0;
    // The fields in data-set order.
    virtual const std::vector<TLDataField>& Fields() const = 0;
    // The field's value as text without trailing blanks; throws for a field the set lacks.
    virtual QString FieldText(const QString& name) const = 0;
    virtual bool MemoEmpty(const QString& name) const = 0;
    virtual QString MemoText(const QString& name) const = 0;

    // The last field whose display label is exactly `label`, or nullptr.
    const TLDataField* FieldByLabel(const QString& label) const;
};

class TLRecordDataSource : public TLDataSource {
public:
    TLRecordDataSource();   // the address view's fields, all empty
    bool Active() const override { return true; }
    const std::vector<TLDataField>& Fields() const override { return FieldList; }
    QString FieldText(const QString& name) const override;
    bool MemoEmpty(const QString& name) const override { return FieldText(name).isEmpty(); }
    QString MemoText(const QString& name) const override { return FieldText(name); }

    void SetValue(const QString& name, const QString& value) { Values.insert(name, value); }
    void Clear() { Values.clear(); }
    void RemoveField(const QString& name);

private:
    std::vector<TLDataField> FieldList;
    QHash<QString, QString> Values;
};
