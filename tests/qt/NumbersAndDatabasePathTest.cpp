// What the viewer shows and takes from the user: numbers with a decimal
// comma, and a database path that is written only when it leads to a
// database.
#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>

#include "QtTestSupport.h"
#include "model/SVObject.h"
#include "plan/SVInfo.h"
#include "qt/PaintBox.h"
#include "ui/viewer/DataPathFormUnit.h"
#include "ui/viewer/Database.h"
#include "ui/viewer/PathFormUnit.h"
#include "ui/viewer/SerScaleDlg.h"
#include "ui/viewer/ToolPanel.h"
#include "ui/viewer/MainForm.h"

using namespace qtsupport;

namespace {

// Comments, a blank line and another section, so that a rewrite of any
// kind would show in the bytes.
const std::string kConfig =
    "; settings of the passport viewer\r\n"
    "[DataBase]\r\n"
    "LocalData=1\r\n"
    "DataBaseDir=\r\n"
    "\r\n"
    "[Page]\r\n"
    "leftmargin=3,0\r\n";

}  // namespace

class NumbersAndDatabasePathTest : public QObject {
  Q_OBJECT

  QTemporaryDir Program_;
  QTemporaryDir Other_;
  std::unique_ptr<TMainForm> Form_;
  std::unique_ptr<TMessageCapture> Messages_;

  QString ConfigPath() const { return Program_.path() + "/config.ini"; }

  // A window on passport svo1 of the program's own database, real scale 0.75.
  TMainForm& Started() {
    WriteFile(ConfigPath(), kConfig);
    WritePassport(Program_.path() + "/Data/svo1", SampleInfo(1, "0.75"), SampleMap());
    Form_ = std::make_unique<TMainForm>();
    Form_->Map()->SetPictureSize(QSize(400, 300));
    [&] { QVERIFY(Form_->Start()); }();
    return *Form_;
  }

 private slots:
  void init() { EnterProgramDir(Program_, Messages_); }

  void cleanup() {
    Form_.reset();
    LeaveProgramDir(Program_, Messages_);
  }

  void TheSecondsLabelAndTheScaleDialogUseADecimalComma() {
    TMainForm& f = Started();
    f.Play();
    f.AnimationTick();  // phase 1 lasts 13 s; a tick is half a second
    QCOMPARE(f.Tools()->SecondsLabel->text(), QStringLiteral("12,5"));
    f.Stop();

    struct TCase {
      const char *Zoom, *Sign, *Real;  // typed
      double WantZoom, WantSign, WantReal;
    } cases[] = {
        {"62,5 %", "87.5 %", "1,25", 0.625, 0.875, 1.25},
        {"150 %", "100 %", " 0.5 ", 1.5, 1.0, 0.5},
    };
    // What the dialog shows at each opening: the real scale and the zooms
    // left by the case before (62.5 and 87.5 round to even).
    const QString shown[] = {"0,75", "1,25|62 %|88 %"};
    for (int i = 0; i < 2; ++i) {
      const TCase& c = cases[i];
      QString seen;
      TAnswerer answers([&](QDialog& d) {
        auto& scale = dynamic_cast<TSetScale&>(d);
        seen = scale.realScaleBox()->text();
        if (i > 0) seen += "|" + scale.Edit1()->currentText() + "|" + scale.edit2()->currentText();
        scale.Edit1()->setEditText(c.Zoom);
        scale.edit2()->setEditText(c.Sign);
        scale.realScaleBox()->setText(c.Real);
        return int(QDialog::Accepted);
      });
      f.ScaleClick();
      QCOMPARE(seen, shown[i]);
      QCOMPARE(f.View().Zoom, c.WantZoom);
      QCOMPARE(f.View().SignScale, c.WantSign);
      QCOMPARE(f.Scheme()->Info->RealScale, c.WantReal);
      QCOMPARE(f.View().ObjectScale, c.WantReal);
    }
  }

  void APathThatLeadsToNoDatabaseIsRefusedAndTheConfigurationKeepsEveryByte() {
    TMainForm& f = Started();
    const std::string database = f.DatabaseDir();
    const QString file = Other_.path() + "/notes.txt";
    WriteFile(file, "not a directory\r\n");
    const QByteArray before = ReadFile(ConfigPath());
    // Each refused path is shown again for mending; the last answer gives up.
    const QString typed[] = {Other_.path() + "/missing", file, "   "};
    std::vector<QString> shownAgain;
    int opened = 0;
    TAnswerer answers([&](QDialog& d) {
      auto* path = qobject_cast<TDataPathForm*>(&d);
      if (!path) return int(QMessageBox::Ok);
      if (opened > 0) shownAgain.push_back(path->DirEdit()->text());
      if (opened == 3) return int(QDialog::Rejected);
      path->OtherButton()->click();
      path->DirEdit()->setText(typed[opened++]);
      return int(QDialog::Accepted);
    });
    f.DataPathClick();
    QCOMPARE(ReadFile(ConfigPath()), before);
    QCOMPARE(shownAgain, (std::vector<QString>{typed[0], typed[1], typed[2]}));
    const QString refused = QStringLiteral("База данных не найдена.|Ошибка");
    QCOMPARE(answers.Boxes, (std::vector<QString>{refused, refused, refused}));
    QCOMPARE(f.DatabaseDir(), database);
  }

  void AUsablePathIsWrittenAndBecomesTheDatabase() {
    TMainForm& f = Started();
    TAnswerer answers([&](QDialog& d) {
      if (auto* path = qobject_cast<TDataPathForm*>(&d)) {
        path->OtherButton()->click();
        path->DirEdit()->setText(Other_.path());
        return int(QDialog::Accepted);
      }
      return int(QDialog::Rejected);  // the passport chooser that follows
    });
    f.DataPathClick();
    QCOMPARE(answers.Boxes, std::vector<QString>{});
    QCOMPARE(f.DatabaseDir(), Other_.path().toStdString() + "/");
    const std::string want = "; settings of the passport viewer\r\n[DataBase]\r\nLocalData=0\r\nDataBaseDir=" +
                             Other_.path().toStdString() + "\r\n\r\n[Page]\r\nleftmargin=3,0\r\n";
    QCOMPARE(ReadFile(ConfigPath()), QByteArray::fromStdString(want));
  }

  void AConfigurationThatCannotBeWrittenIsReportedAndThePathHoldsForTheSession() {
    TMainForm& f = Started();
    // A directory where the file was: every write of the configuration fails.
    QFile::remove(ConfigPath());
    QDir().mkpath(ConfigPath());
    TAnswerer answers([&](QDialog& d) {
      if (auto* path = qobject_cast<TDataPathForm*>(&d)) {
        path->OtherButton()->click();
        path->DirEdit()->setText(Other_.path());
        return int(QDialog::Accepted);
      }
      return int(QDialog::Rejected);
    });
    f.DataPathClick();
    QCOMPARE(answers.Boxes.size(), std::size_t{1});
    QVERIFY2(answers.Boxes[0].startsWith(QStringLiteral("Ошибка|Не могу записать в файл ")), qPrintable(answers.Boxes[0]));
    QCOMPARE(f.DatabaseDir(), Other_.path().toStdString() + "/");
  }

  void TheDirectoryBrowserOpensAtTheCurrentDatabase() {
    TMainForm& f = Started();
    QDir().mkpath(Other_.path() + "/base");
    // The typed directory when there is one, else the database in use.
    const QString typed[] = {"", Other_.path() + "/base", Other_.path() + "/base/missing", "/no such dir"};
    const QString database = QDir::cleanPath(QString::fromStdString(f.DatabaseDir()));
    const QString want[] = {database, Other_.path() + "/base", database, database};
    std::vector<QString> starts, selected;
    int opened = 0;
    TAnswerer answers([&](QDialog& d) {
      if (auto* browser = qobject_cast<TPathForm*>(&d)) {
        starts.push_back(browser->Directory());
        auto* model = static_cast<QFileSystemModel*>(browser->Tree()->model());
        selected.push_back(model->filePath(browser->Tree()->currentIndex()));
        return int(QDialog::Rejected);
      }
      auto& path = dynamic_cast<TDataPathForm&>(d);
      for (const QString& text : typed) {
        path.OtherButton()->click();
        path.DirEdit()->setText(text);
        path.BrowseButton()->click();
      }
      ++opened;
      return int(QDialog::Rejected);
    });
    f.DataPathClick();
    QCOMPARE(opened, 1);
    QCOMPARE(starts, (std::vector<QString>(std::begin(want), std::end(want))));
    QCOMPARE(selected, starts);
    // With neither there (a start-up whose database has gone), the nearest
    // directory above them, and at last the home directory.
    QCOMPARE(BrowseStartDir("", Other_.path().toStdString() + "/base/gone/"), Other_.path() + "/base");
    QCOMPARE(BrowseStartDir(Other_.path() + "/base/x/y", "/nowhere/"), Other_.path() + "/base");
    QCOMPARE(BrowseStartDir("", ""), QDir::homePath());
  }
};

SVPASS_QTEST_MAIN(NumbersAndDatabasePathTest)
#include "NumbersAndDatabasePathTest.moc"
