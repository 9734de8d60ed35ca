#include "desk/import_dialog.h"
#include "desk/table_exchange.h"
#include "desk_fixture.h"
#include "sheet/xlsx_table.h"

#include <string_view>

namespace wepn {
namespace {

class ExchangeTest : public DeskTest {
  protected:
    std::string exported(const char* name) {
        const std::string path = dir / name;
        EXPECT_TRUE(
            TableExchange::exportTable(&view, model, QString::fromStdString(path), &messages));
        return test::readFile(path);
    }
    std::unique_ptr<ImportDialog> preview(const std::string& name, const std::string& bytes) {
        const std::string path = dir.write(name, bytes);
        return TableExchange::previewImport(&view, model, history, dir / "Data", true,
                                            QString::fromStdString(path), &messages);
    }
};

TEST_F(ExchangeTest, TheExportIsTheFileWepnTableWrites) {
    for (const char* format : {"csv", "tsv", "xlsx"}) {
        const test::ToolRun run = test::runWepnExecutable(
            {"table", "--data", dir / "Data", "--format", format, weaponDir});
        ASSERT_EQ(run.code, 0) << run.err;
        const std::string bytes = exported((std::string("weapons.") + format).c_str());
        if (std::string_view(format) == "xlsx") {
            // A workbook holds the time it was made: its sheets are compared.
            const auto ours = readXlsx(bytes);
            const auto theirs = readXlsx(run.out);
            ASSERT_TRUE(ours && theirs);
            ASSERT_EQ(ours->size(), theirs->size());
            for (std::size_t r = 0; r < ours->size(); ++r) {
                EXPECT_EQ((*ours)[r].cells, (*theirs)[r].cells) << "row " << r;
            }
            continue;
        }
        EXPECT_EQ(bytes, run.out) << format << messages.texts.join(u'\n').toStdString();
    }
}

// Export, change one cell in the file, import: the preview shows exactly
// that change, and OK makes it one step, writing nothing.
TEST_F(ExchangeTest, ARoundTripPreviewsExactlyTheCellChanged) {
    std::string table = exported("weapons.csv");
    const std::size_t at = table.find(",4200,");
    ASSERT_NE(at, std::string::npos);
    table.replace(at, 6, ",4321,");
    const std::string before = test::readFile(weaponDir + "/ion_lance.wepn");
    auto dialog = preview("weapons.csv", table);
    ASSERT_NE(dialog, nullptr) << messages.texts.join(u'\n').toStdString();
    EXPECT_EQ(dialog->previewText(),
              QStringLiteral("Weapon/ion_lance.wepn: fWeaponFireRange 4200 -> 4321\n"));
    EXPECT_TRUE(allAsLoaded());
    dialog->accept();
    EXPECT_EQ(history.undoText(), QStringLiteral("Import weapons.csv (1 weapon)"));
    EXPECT_EQ(cell(QStringLiteral("ion_lance.wepn"), QStringLiteral("fWeaponFireRange")),
              QStringLiteral("4321"));
    EXPECT_EQ(model.changedCount(), 1);
    EXPECT_EQ(test::readFile(weaponDir + "/ion_lance.wepn"), before);
    history.undo();
    EXPECT_TRUE(allAsLoaded());
}

TEST_F(ExchangeTest, RowsAndTablesThatCannotApplyAreRefusedByLine) {
    // A table made from the file as it was before: its fingerprint differs.
    std::string table = exported("weapons.csv");
    const std::size_t row = table.find("Weapon/ion_lance.wepn");
    const std::size_t end = table.find('\n', row);
    ASSERT_NE(end, std::string::npos);
    table.replace(end - 4, 4, "0000");
    auto dialog = preview("weapons.csv", table);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->previewText().contains(
        QStringLiteral("changed after the table was made: make a new table")));
    EXPECT_EQ(preview("bad.csv", "name,fWeaponFireRange\r\nx,1\r\n"), nullptr);
    EXPECT_TRUE(messages.texts.value(0).endsWith(
        QStringLiteral("cannot be imported: no 'path' column: it names each row's file")));
}

} // namespace
} // namespace wepn
