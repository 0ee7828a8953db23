// "Copy Record To Clipboard": which parts of the record the clipboard text holds.
#pragma once

#include "data/TRecordText.h"

#include <QDialog>

#include <optional>

class QCheckBox;

class TCopyRecordForm : public QDialog {
    Q_OBJECT
public:
    explicit TCopyRecordForm(QWidget* parent = nullptr);
    TRecordTextParts Parts() const;
    static std::optional<TRecordTextParts> Ask(QWidget* parent);

    QCheckBox* NameCheck = nullptr;
    QCheckBox* AddressCheck = nullptr;
    QCheckBox* PhonesCheck = nullptr;
    QCheckBox* CodesCheck = nullptr;
    QCheckBox* CommentsCheck = nullptr;
};
