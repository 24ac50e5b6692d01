// "Сравнить с паспортом…" and the comparison panel: the scheme with the
// differences outlined in their colours, the information differences as a
// table, the summary as plain text.
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>

#include "QtTestSupport.h"
#include "history/PassportDiff.h"
#include "qt/PaintBox.h"
#include "ui/viewer/CompareFormUnit.h"
#include "ui/viewer/ComparePanel.h"
#include "ui/viewer/MainForm.h"
#include "view/DiffLook.h"

using namespace qtsupport;

namespace {

QColor Colour(TColor c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

int PixelsOf(const QImage& image, TColor c) {
  const QRgb want = Colour(c).rgb();
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == want) ++n;
  return n;
}

// The sample with one curb moved (the second, 0 0 → 0 100 becomes 10 0 →
// 10 100), the building gone and a well added far from everything.
std::string EditedMap() {
  return Lines1251({"1", "0 0", "200 0", "1", "10 0", "10 100", "10", "100 50", "0 0", "0 -12", "0", "1", "notext",
                    "2", "300 300", "notext"});
}

}  // namespace

class CompareTest : public QObject {
  Q_OBJECT
  QTemporaryDir Program_;
  std::unique_ptr<TMainForm> Form_;
  std::unique_ptr<TMessageCapture> Messages_;

  QString Data() const { return Program_.path() + "/Data/"; }

 private slots:
  void init() { EnterProgramDir(Program_, Messages_); }
  void cleanup() {
    Form_.reset();
    LeaveProgramDir(Program_, Messages_);
  }

  void ThePanelMarksEveryKindOfDifference() {
    // The later side's address is hostile markup: the summary shows it as
    // it is, never as markup.
    std::string info = SampleInfo();
    const std::string hostile = Lines1251({"<b>ул.</b> & \"Ц\""});
    std::string later = hostile + info.substr(info.find("\r\n") + 2);
    TComparePanel panel;
    panel.Picture()->SetPictureSize(QSize(500, 400));
    panel.Compare({"svo1", SampleMap(), info}, {"svo1", EditedMap(), later});

    const TPassportDiff& diff = panel.Diff();
    QCOMPARE(diff.Scheme.Added.size(), std::size_t(1));
    QCOMPARE(diff.Scheme.Removed.size(), std::size_t(1));
    QCOMPARE(diff.Scheme.Changed.size(), std::size_t(1));
    QCOMPARE(diff.Scheme.Added[0].Type, 2u);
    QCOMPARE(diff.Scheme.Removed[0].Type, 21u);
    QCOMPARE(diff.Scheme.Changed[0].After.Lines[0], std::string("10 0"));

    QCOMPARE(panel.Summary()->textFormat(), Qt::PlainText);
    QCOMPARE(panel.Summary()->text(), QString::fromStdString(SummarizeDiff(diff)));
    QVERIFY(panel.Summary()->text().startsWith(QStringLiteral("первая строка адреса «ул. Тестовая» → «<b>ул.</b> & \"Ц\"»")));

    QTableWidget* table = panel.Table();
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("/address1"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("ул. Тестовая"));
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("<b>ул.</b> & \"Ц\""));

    // Each colour is drawn, and only where its items are: the added well
    // lies right of and below everything else.
    const QImage picture = panel.Picture()->Picture();
    QVERIFY(PixelsOf(picture, kDiffAddedColor) > 20);
    QVERIFY(PixelsOf(picture, kDiffRemovedColor) > 20);
    QVERIFY(PixelsOf(picture, kDiffChangedColor) > 20);
    const QRgb green = Colour(kDiffAddedColor).rgb();
    int greenLeft = picture.width(), greenTop = picture.height();
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        if (picture.pixel(x, y) == green) greenLeft = std::min(greenLeft, x), greenTop = std::min(greenTop, y);
    QVERIFY2(greenLeft > picture.width() / 2 && greenTop > picture.height() / 2,
             qPrintable(QStringLiteral("%1 %2").arg(greenLeft).arg(greenTop)));

    panel.Clear();
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(PixelsOf(panel.Picture()->Picture(), kDiffAddedColor), 0);
  }

  void TheMenuEntryComparesWithAnotherPassportOfTheDatabase() {
    WritePassport(Data() + "svo1", SampleInfo(), SampleMap());
    WritePassport(Data() + "svo2", SampleInfo(), EditedMap());
    WritePassport(Data() + "svo3", SampleInfo(), SampleMap());
    Form_ = std::make_unique<TMainForm>();
    Form_->Map()->SetPictureSize(QSize(400, 300));
    QVERIFY(Form_->Start());
    QAction* entry = Form_->findChild<QAction*>(QStringLiteral("ComparePassportAction"));
    QVERIFY(entry);
    QCOMPARE(entry->text().remove('&'), QStringLiteral("Сравнить с паспортом…"));
    entry->trigger();
    auto* form = Form_->findChild<TCompareForm*>();
    QVERIFY(form);
    QVERIFY(form->isVisible());
    // The other passports of the database, not the open one.
    QComboBox* choice = form->Choice();
    QCOMPARE(choice->count(), 3);
    QCOMPARE(choice->itemText(1), QStringLiteral("svo2"));
    QCOMPARE(choice->itemText(2), QStringLiteral("svo3"));

    choice->setCurrentIndex(1);
    emit choice->activated(1);
    // svo2 is the earlier side, the open svo1 the later: the well svo2 has
    // is removed, the building it lacks added.
    const TPassportDiff& diff = form->Panel()->Diff();
    QCOMPARE(diff.Scheme.Removed.size(), std::size_t(1));
    QCOMPARE(diff.Scheme.Removed[0].Type, 2u);
    QCOMPARE(diff.Scheme.Added.size(), std::size_t(1));
    QCOMPARE(diff.Scheme.Added[0].Type, 21u);
    QVERIFY(diff.Info.size() == 1 && diff.Info[0].Path == "/objectNumber");

    choice->setCurrentIndex(2);
    emit choice->activated(2);
    QVERIFY(form->Panel()->Diff().Scheme.Added.empty());
    QCOMPARE(form->Panel()->Summary()->text().left(9), QStringLiteral("номер СО "));
  }
};

SVPASS_QTEST_MAIN(CompareTest)
#include "CompareTest.moc"
