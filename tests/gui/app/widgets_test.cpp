#include "gui/app/widgets.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QHBoxLayout>
#include <QImage>
#include <QSvgRenderer>

#include "support/screen_test.h"

namespace corvelo {
namespace {

TEST(Pictures, EveryPictureLoads) {
    test::TestApp();
    const QStringList names = QDir(QStringLiteral(":/pictures")).entryList(QDir::Files);
    ASSERT_GE(names.size(), 40);
    for (const QString& name : names) {
        const QString path = QStringLiteral(":/pictures/") + name;
        if (name.endsWith(QLatin1String(".svg"))) {
            EXPECT_TRUE(QSvgRenderer(path).isValid()) << name.toStdString();
        } else {
            EXPECT_FALSE(QImage(path).isNull()) << name.toStdString();
        }
    }
}

TEST(Pictures, DefaultLogoIsTheBlueEuroSign) {
    test::TestApp();
    for (const char* path : {":/pictures/logo_euro.bmp", ":/pictures/logo_euro.png"}) {
        const QImage logo{QString::fromLatin1(path)};
        EXPECT_EQ(logo.size(), QSize(297, 184)) << path;
        // White ground, blue sign.
        EXPECT_EQ(logo.pixelColor(2, 2), QColor(Qt::white)) << path;
        int blue = 0;
        for (int x = 0; x < logo.width(); ++x) {
            const QColor c = logo.pixelColor(x, logo.height() / 2 - 12);
            if (c.blue() > 100 && c.red() < 80) ++blue;
        }
        EXPECT_GT(blue, 40) << path;
    }
}

TEST(PictureRow, BuildsNamedButtonsInOrder) {
    test::TestApp();
    static constexpr PictureEntry kEntries[] = {{"cmdNuovo", ":/pictures/nuovo.svg", "Nuovo"},
                                                {"cmdSalva", ":/pictures/salva.svg", "Salva"}};
    QWidget bar;
    QHBoxLayout* row = MakePictureRow(kEntries, &bar);
    bar.setLayout(row);
    ASSERT_EQ(row->count(), 2);
    auto* first = qobject_cast<PictureButton*>(row->itemAt(0)->widget());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->objectName(), QStringLiteral("cmdNuovo"));
    EXPECT_EQ(first->text(), QStringLiteral("Nuovo"));
    int clicks = 0;
    QObject::connect(first, &PictureButton::clicked, [&] { ++clicks; });
    first->click();
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace corvelo
