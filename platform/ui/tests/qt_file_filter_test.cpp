#include <gtest/gtest.h>

#include <QFileDialog>

#include "platform/ui/qt_file_filter.h"

namespace pemo::ui {
namespace {

TEST(QtFileFilter, EachPairOfTheFilterTextIsOneFilterOfTheDialog) {
  QFileDialog dialog;
  applyFileFilters(dialog, "ﾋﾞｯﾄﾏｯﾌﾟ(*.BMP)|*.BMP|JPEGﾌｧｲﾙ(*.JPG,*.JPEG)|*.JPG;*.JPEG|全てのﾌｧｲﾙ(*.*)|*.*");
  QStringList expected{"ﾋﾞｯﾄﾏｯﾌﾟ(*.BMP) (*)", "JPEGﾌｧｲﾙ(*.JPG,*.JPEG) (*)", "全てのﾌｧｲﾙ(*.*) (*)"};
  EXPECT_EQ(dialog.nameFilters(), expected);
  EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));

  // A description alone is one filter that lets everything through.
  QFileDialog plain;
  applyFileFilters(plain, "Anything");
  EXPECT_EQ(plain.nameFilters(), QStringList{"Anything (*)"});
}

}  // namespace
}  // namespace pemo::ui
