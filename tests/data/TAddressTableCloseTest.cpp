#include "SmallAddressTable.h"

namespace {

using TAddressTableCloseTest = SmallAddressTable;

TEST_F(TAddressTableCloseTest, AnEditLeftOpenAtCloseReachesTheIndex)
{
    Table->Table().appendBlank();
    Table->SetFieldText("LNAME", "Last edit");
    const QString path = Table->Path();
    Table->Close();
    Table = TAddressTable::Open(path);
    ASSERT_NE(Table, nullptr);
    EXPECT_TRUE(Table->Area().checkIndex().empty());
}

} // namespace
