// The designer keeps a display's form in a file: what is saved opens again as the same display,
// at the same size. And the style library sits beside libglintar.

#include "segdisplay/Glintar.h"
#include "segdisplay/StyleLibraryLocation.h"
#include "segdisplay/demo/DesignerWindow.h"
#include "tests/support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace glintar::test {
namespace {

TEST(Designer, ASavedFormOpensAsTheSameDisplay)
{
    orvane::test::TempDir dir;
    const QString path = QString::fromStdString((dir.path / "panel.glintar").string());

    DesignerWindow designer;
    Glintar& g = *designer.display();
    g.setMode(Glintar::Mode::Digital);
    g.setLedBitNum(9);
    g.setValue(7040000);
    g.setCaptionNum(1);
    g.setCaptionText(QStringLiteral("MHz"));
    g.setFixedSize(289, 121);
    ASSERT_TRUE(designer.save(path));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".tmp")));

    DesignerWindow reopened;
    ASSERT_TRUE(reopened.open(path));
    PropertyBag saved;
    PropertyBag opened;
    g.writeProperties(saved);
    reopened.display()->writeProperties(opened);
    EXPECT_EQ(opened, saved);
    EXPECT_EQ(reopened.display()->size(), QSize(289, 121));
    EXPECT_EQ(reopened.windowTitle(), QStringLiteral("panel.glintar - Glintar designer"));
}

TEST(StyleLibraryLocation, IsTheFolderOfLibglintarWhenItCanBeWritten)
{
    // The build folder can be written, so the library sits beside libglintar there.
    const QDir folder(styleLibraryFolder());
    EXPECT_FALSE(folder.entryList({QStringLiteral("libglintar.so*")}).isEmpty())
        << folder.path().toStdString();
    EXPECT_TRUE(QFileInfo(folder.path()).isWritable());
}

} // namespace
} // namespace glintar::test
