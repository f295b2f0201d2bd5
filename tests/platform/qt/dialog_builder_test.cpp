// Dialog templates as data, and the widgets made from them.
#include "platform/qt/dialog_builder.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <set>

#include "resources/dialog_templates.h"

namespace tavra {
namespace {

using namespace res;

TEST(DialogUnits, ScaleByTheFontsAverageWidthAndHeightRounded) {
  const DialogBaseUnits base{7, 17};
  EXPECT_EQ(DluToPixels({19, 3, 41, 70}, base), QRect(33, 6, 72, 149));
  EXPECT_EQ(DluToPixelsX(138, base), 242);
  EXPECT_EQ(DluToPixelsY(154, base), 327);
  EXPECT_EQ(DluToPixelsX(1, {6, 13}), 2);  // 1.5 rounds up
  // Widened only when the control would be too narrow, and then just enough.
  EXPECT_EQ(WidenToFit(base, 41, 60).x, 7);
  const DialogBaseUnits wide = WidenToFit(base, 41, 90);
  EXPECT_GE(DluToPixelsX(41, wide), 90);
  EXPECT_LT(DluToPixelsX(41, {wide.x - 1, wide.y}), 90);
}

TEST(QueryDialogTemplate, ControlsLieInsideTheDialogAndIdsAreUnique) {
  const DialogTemplate& t = QueryDialogTemplate();
  EXPECT_EQ(t.id, 102);
  std::set<int> ids;
  for (const ControlTemplate& c : t.controls) {
    if (c.id != kNoId) {
      EXPECT_TRUE(ids.insert(c.id).second) << c.id;
    }
    EXPECT_LE(c.rect.x + c.rect.w, t.width) << c.id;
    EXPECT_LE(c.rect.y + c.rect.h, t.height) << c.id;
  }
  EXPECT_EQ(ids.size(), 14u);
  // The three input areas share one place.
  EXPECT_EQ(t.Find(kIdcTrainNo)->rect.x, t.Find(kIdcFromStation)->rect.x);
  EXPECT_EQ(t.Find(kIdcStation)->rect.y, t.Find(kIdcFromStation)->rect.y);
  EXPECT_EQ(t.Find(4242), nullptr);
}

TEST(QueryDialogTemplate, BuiltWidgetsHaveTheTemplatesKindsTextsAndStates) {
  QWidget dialog;
  int listViews = 0;
  const DialogBaseUnits base{7, 17};
  auto widgets = BuildDialog(QueryDialogTemplate(), &dialog, base,
                             [&](const ControlTemplate& c, QWidget* parent) {
                               EXPECT_EQ(c.kind, ControlKind::ListView);
                               ++listViews;
                               return new QWidget(parent);
                             });
  EXPECT_EQ(listViews, 1);
  EXPECT_EQ(dialog.windowTitle(), "Tavra时刻表");
  EXPECT_EQ(dialog.size(), QSize(242, 327));
  EXPECT_EQ(widgets.size(), 14u);
  auto* query = qobject_cast<QPushButton*>(widgets[kIdcQuery]);
  ASSERT_NE(query, nullptr);
  EXPECT_EQ(query->text(), "查询");
  EXPECT_FALSE(query->isEnabled());
  EXPECT_FALSE(widgets[kIdcReverse]->isEnabled());
  EXPECT_EQ(query->geometry(), DluToPixels({62, 3, 24, 12}, base));
  EXPECT_TRUE(widgets[kIdcModeCommand]->isHidden());
  EXPECT_EQ(qobject_cast<QLabel*>(widgets[kIdcCount])->text(), "结果:");
  auto* from = qobject_cast<QComboBox*>(widgets[kIdcFromStation]);
  ASSERT_NE(from, nullptr);
  EXPECT_TRUE(from->isEditable());
  EXPECT_EQ(from->insertPolicy(), QComboBox::NoInsert);
  EXPECT_EQ(from->height(), DluToPixelsY(12, base));  // the edit field, not the dropped list
  EXPECT_FALSE(qobject_cast<QComboBox*>(widgets[kIdcMode])->isEditable());
  EXPECT_NE(qobject_cast<QLineEdit*>(widgets[kIdcTrainNo]), nullptr);
  // The unnamed label "方式" is made too.
  bool modeLabel = false;
  for (QLabel* l : dialog.findChildren<QLabel*>()) modeLabel = modeLabel || l->text() == "方式";
  EXPECT_TRUE(modeLabel);
}

}  // namespace
}  // namespace tavra
