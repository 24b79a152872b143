#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTableView>

#include "core/warehouse/spreadsheet_export.h"
#include "core/warehouse/warehouse_export.h"
#include "gui/warehouse/ExpMagazzino.h"
#include "warehouse_fixture.h"

namespace corvelo {
namespace {

using test::Find;
using test::Item;
using A = TArticolo;

class WarehouseExportScreenTest : public test::WarehouseScreenTest {};

TEST_F(WarehouseExportScreenTest, TypedExtraColumnsAreExportedAndTheArchiveStaysAsItWas) {
    Store({Item({{A::Codice, "VT-10"}, {A::Accessori, "viti"}, {A::Sottoscorta, "5"}}),
           Item({{A::Codice, "CH-01"}, {A::Onde, "2025"}})});
    const QByteArray before = Bytes();
    TfrmExpMagazzino exporting(services);
    test::ShowActive(&exporting);
    EXPECT_EQ(exporting.windowTitle(), Q(kWarehouseExportCaption));
    auto* grid = Find<QTableView>(&exporting, QStringLiteral("grdRecords"));
    QAbstractItemModel* model = grid->model();
    ASSERT_EQ(model->rowCount(), 2);
    ASSERT_EQ(model->columnCount(), 24);
    EXPECT_EQ(model->data(model->index(0, 1)).toString(), QStringLiteral("VT-10"));
    EXPECT_EQ(model->headerData(10, Qt::Horizontal).toString(),
              QStringLiteral("Estremi documento di acquisto"));

    // Only the five editable columns take typing.
    for (int column = 0; column < 24; ++column) {
        const bool editable = model->flags(model->index(0, column)) & Qt::ItemIsEditable;
        EXPECT_EQ(editable, WarehouseColumnEditable(std::size_t(column))) << column;
    }
    // Typing into the cell as a user does: the first key opens the editor.
    grid->setFocus();
    grid->setCurrentIndex(model->index(0, 6));
    QTest::keyClick(grid, Qt::Key_T);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, nullptr);
    ASSERT_NE(editor, grid);
    QTest::keyClicks(editor, QStringLiteral("asselli & <viti>"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the view commits the cell queued
    EXPECT_TRUE(model->setData(model->index(1, 22), QStringLiteral("12/2026")));
    EXPECT_FALSE(model->setData(model->index(1, 1), QStringLiteral("altro codice")));
    EXPECT_EQ(model->data(model->index(0, 6)).toString(), QStringLiteral("tasselli & <viti>"));

    exporting.cmdEsportaClick();
    QFile file(services.DataPath(QStringLiteral("Magazzino.xls")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    TextGrid expected = FillWarehouseExportGrid(Archive()).grid;
    const std::string wanted = WarehouseExportBytes(
        WithEdits(expected, {{{0, 6}, "tasselli & <viti>"}, {{1, 22}, "12/2026"}}));
    EXPECT_EQ(bytes.toStdString(), wanted);
    EXPECT_FALSE(bytes.contains("altro codice"));
    EXPECT_EQ(Bytes(), before);
    EXPECT_FALSE(QFile::exists(services.DataPath(QStringLiteral("Magazzino.pro.tmp"))));
}

}  // namespace
}  // namespace corvelo
