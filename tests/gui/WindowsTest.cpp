// The About, progress and help windows.
#include <QProgressBar>
#include <QTextBrowser>

#include "app/gui/AboutForm.h"
#include "app/gui/HelpWindow.h"
#include "app/gui/ProgressForm.h"
#include "tests/gui/GuiTestSupport.h"

namespace morvane::test {
namespace {

TEST(AboutFormTest, CurveTurnsWhileShown) {
  Taboutfrm about;
  EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
  EXPECT_EQ(about.size(), QSize(434, 195));
  EXPECT_FALSE(about.timer().isActive());
  about.show();
  EXPECT_TRUE(about.timer().isActive());
  EXPECT_EQ(about.timer().interval(), 100);
  about.tick();
  EXPECT_EQ(about.curvedLabel()->angle(), 12);
  about.curvedLabel()->setAngle(348);
  about.tick();
  EXPECT_EQ(about.curvedLabel()->angle(), 360);
  about.tick();
  EXPECT_EQ(about.curvedLabel()->angle(), 0);
  about.close();
  EXPECT_FALSE(about.timer().isActive());
}

TEST(ProgressFormTest, ClosesOnlyWhenTheRunIsDone) {
  Tprogressfrm progress;
  EXPECT_EQ(progress.windowTitle(), QStringLiteral("Progress"));
  EXPECT_EQ(progress.size(), QSize(304, 99));
  EXPECT_TRUE(progress.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(progress.bar()->objectName(), QStringLiteral("bar"));
  progress.show();
  progress.TranslationDone = false;
  EXPECT_FALSE(progress.close());
  EXPECT_TRUE(progress.isVisible());
  progress.TranslationDone = true;
  EXPECT_TRUE(progress.close());
  EXPECT_FALSE(progress.isVisible());

  WindowProgress sink;
  sink.setWindow(&progress);
  sink.setPercent(42);
  EXPECT_EQ(progress.bar()->value(), 42);
  sink.setPercent(150);  // past the last line
  EXPECT_EQ(progress.bar()->value(), 100);
}

TEST_F(MainFormTest, HelpOpensAtWelcomeAndAboutIsNotModal) {
  action("Help2")->trigger();
  EXPECT_TRUE(window->helpWindow()->isVisible());
  EXPECT_EQ(window->helpWindow()->browser()->source().fragment(), QStringLiteral("Welcome"));
  EXPECT_TRUE(window->helpWindow()->browser()->toPlainText().contains(QStringLiteral("Welcome to Morvane")));
  action("About1")->trigger();
  EXPECT_TRUE(window->aboutfrm()->isVisible());
  EXPECT_FALSE(window->aboutfrm()->isModal());
}

}  // namespace
}  // namespace morvane::test
