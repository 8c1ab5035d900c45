// The real window on Qt's offscreen platform: built from the description, driven by keys.

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QtTest>
#include <memory>

// The program's own headers name controls with Chinese identifiers, which the meta-object
// compiler cannot read; it needs nothing from them.
#ifndef Q_MOC_RUN
#include "datetime/date_time.h"
#include "support/scripted_clock.h"
#include "window/qt/box_text.h"
#include "window/qt/kai_font.h"
#include "window/qt/main_window.h"
#include "window/window_description.h"

Q_DECLARE_METATYPE(voralind::Control)
#endif

namespace voralind {
namespace {

QString NameOf(Control control) { return ToQString(RecordOf(control).name); }

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  // A fresh window each test, with a clock that stands still at 2024-05-01 10:30:00.
  test_support::ScriptedClock clock_{BuildDateTime(2024, 5, 1, 10, 30, 0)};
  QPointer<MainWindow> window_;

  QLineEdit* Line(Control control) { return qobject_cast<QLineEdit*>(window_->widget(control)); }
  QTextEdit* Lines(Control control) { return qobject_cast<QTextEdit*>(window_->widget(control)); }

  bool ShowAndActivate() {
    window_->show();
    window_->activateWindow();
    return QTest::qWaitForWindowActive(window_);
  }

  // Sends a key to the widget that has the focus, as the window system does.
  static void PressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                       bool auto_repeat = false) {
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target != nullptr);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), auto_repeat);
    QApplication::sendEvent(target, &press);
  }

 private Q_SLOTS:
  void init() { window_ = new MainWindow(clock_); }
  void cleanup() { delete window_.data(); }

  void captionAndFocusAreSetBeforeFirstShow() {
    QVERIFY(!window_->isVisible());
    QCOMPARE(window_->windowTitle(), QStringLiteral("Voralind 2024年5月1日10时30分"));
    QCOMPARE(window_->focusWidget(), window_->widget(Control::姓名编辑框));
    QCOMPARE(clock_.reads(), 1u);
    QVERIFY(Lines(Control::名称编辑框)->toPlainText().isEmpty());
  }

  void windowIsAFixedTopMostToolWindowCentredOnTheScreen() {
    const Qt::WindowFlags flags = window_->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(ShowAndActivate());
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QCOMPARE(window_->frameGeometry().size(), QSize(1056, 466));
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const Point origin = CentredOrigin(screen.width(), screen.height());
    QCOMPARE(window_->frameGeometry().topLeft(), QPoint(origin.x, origin.y));
    QVERIFY(!window_->windowIcon().isNull());
  }

  void controlsTakeTheirPlacesFromTheDescription_data() {
    QTest::addColumn<Control>("control");
    for (const ControlRecord& record : WindowDescription().controls) {
      if (record.kind != ControlKind::Timer) {
        QTest::newRow(NameOf(record.id).toUtf8().constData()) << record.id;
      }
    }
  }
  void controlsTakeTheirPlacesFromTheDescription() {
    QFETCH(Control, control);
    const ControlRecord& record = RecordOf(control);
    QWidget* widget = window_->widget(control);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->geometry(), QRect(record.left, record.top, record.width, record.height));
    QCOMPARE(widget->objectName(), NameOf(control));
    QCOMPARE(widget->accessibleName(), NameOf(control));
    QVERIFY(!widget->isHidden());

    // The font resolves to an installed Kai face, bold, at the em height asked for.
    const QFontInfo font(widget->font());
    QVERIFY2(font.family().contains(QLatin1String("Kai"), Qt::CaseInsensitive),
             qPrintable(font.family()));
    QCOMPARE(font.weight(), static_cast<int>(QFont::Bold));
    QCOMPARE(font.pixelSize(), record.font.pixel_height);
    QVERIFY(!font.italic());
  }

  void stackingFollowsTheDescriptionOrder_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<Control>("upper");
    QTest::newRow("标签2 over 姓名编辑框") << QPoint(223, 30) << Control::标签2;
    QTest::newRow("出生日期编辑框 over 标签2") << QPoint(404, 30) << Control::出生日期编辑框;
    QTest::newRow("总退休时间编辑框 over 名称编辑框")
        << QPoint(300, 137) << Control::总退休时间编辑框;
    QTest::newRow("今天时间编辑框 over 总退休时间编辑框")
        << QPoint(700, 300) << Control::今天时间编辑框;
  }
  void stackingFollowsTheDescriptionOrder() {
    QFETCH(QPoint, point);
    QFETCH(Control, upper);
    QWidget* hit = window_->childAt(point);
    QVERIFY(hit != nullptr);
    QWidget* expected = window_->widget(upper);
    QVERIFY2(hit == expected || expected->isAncestorOf(hit), qPrintable(hit->objectName()));
  }

  void boxesHaveTheAttributesOfTheirKind() {
    for (const Control output :
         {Control::名称编辑框, Control::总退休时间编辑框, Control::今天时间编辑框}) {
      QTextEdit* box = Lines(output);
      QVERIFY(box != nullptr);
      QVERIFY(box->isReadOnly());
      QCOMPARE(box->frameShape(), QFrame::NoFrame);
      QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
      QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
      QCOMPARE(box->lineWrapMode(), QTextEdit::WidgetWidth);
      QCOMPARE(box->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
      QCOMPARE(box->palette().color(QPalette::Base), window_->palette().color(QPalette::Window));
      QCOMPARE(box->focusPolicy(), Qt::ClickFocus);
    }
    for (const Control input :
         {Control::姓名编辑框, Control::出生日期编辑框, Control::退休年龄编辑框}) {
      QLineEdit* box = Line(input);
      QVERIFY(box != nullptr);
      QVERIFY(!box->isReadOnly());
      QVERIFY(box->hasFrame());
      QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
      QCOMPARE(box->maxLength(), 32767);  // Qt's own ceiling; the program sets none
      QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 255, 255));
    }
    for (const Control label : {Control::标签1, Control::标签2, Control::标签3}) {
      auto* widget = qobject_cast<QLabel*>(window_->widget(label));
      QVERIFY(widget != nullptr);
      QCOMPARE(widget->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
      QVERIFY(!widget->wordWrap());
      QVERIFY(widget->text().endsWith(QStringLiteral("：")));
    }
  }

  void outputBoxesShowCrLfLinesAndReadThemBack() {
    const Text six = ConcatText("1\r\n2\r\n3\r\n4\r\n5\r\n", ToText(QStringLiteral("六")));
    window_->WriteBoxText(Control::总退休时间编辑框, six);
    QCOMPARE(Lines(Control::总退休时间编辑框)->document()->blockCount(), 6);
    const Text read = window_->ReadBoxText(Control::总退休时间编辑框);
    QCOMPARE(QByteArray(read.c_str()), QByteArray(six.c_str()));
    window_->WriteBoxText(Control::总退休时间编辑框, nullptr);
    QVERIFY(window_->ReadBoxText(Control::总退休时间编辑框).absent());
    window_->WriteBoxText(Control::姓名编辑框, " ");
    QCOMPARE(window_->ReadBoxText(Control::姓名编辑框).size(), 1u);
  }

  // The timer rewrites the output boxes every second, mostly with the text they show. Every
  // write ends with the caret at the start, nothing selected and each line one em high,
  // whatever the user did in the box before and whether the text changed or not.
  void outputBoxWritesResetCaretAndSelection_data() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("caret_before");      // -1: left where the last write put it
    QTest::addColumn<int>("selection_before");  // characters selected after the caret
    QTest::newRow("same text, untouched") << QStringLiteral("第一行\n第二行") << -1 << 0;
    QTest::newRow("same text, caret moved") << QStringLiteral("第一行\n第二行") << 5 << 0;
    QTest::newRow("same text, selected") << QStringLiteral("第一行\n第二行") << 1 << 2;
    QTest::newRow("same text, all selected") << QStringLiteral("第一行\n第二行") << 0 << 7;
    QTest::newRow("new text, untouched") << QStringLiteral("第三行\n第四行") << -1 << 0;
    QTest::newRow("new text, selected") << QStringLiteral("第三行\n第四行") << 0 << 3;
    QTest::newRow("more lines, caret moved") << QStringLiteral("一\n二\n\n四") << 5 << 0;
    QTest::newRow("one line, all selected") << QStringLiteral("一") << 0 << 7;
    QTest::newRow("empty, selected") << QString() << 1 << 2;
  }
  void outputBoxWritesResetCaretAndSelection() {
    QFETCH(QString, written);
    QFETCH(int, caret_before);
    QFETCH(int, selection_before);
    const Control control = Control::名称编辑框;
    QTextEdit* box = Lines(control);
    window_->WriteBoxText(control, ToText(ToCrLf(QStringLiteral("第一行\n第二行"))));
    if (caret_before >= 0) {
      QTextCursor cursor = box->textCursor();
      cursor.setPosition(caret_before);
      cursor.setPosition(caret_before + selection_before, QTextCursor::KeepAnchor);
      box->setTextCursor(cursor);
    }

    window_->WriteBoxText(control, ToText(ToCrLf(written)));
    QCOMPARE(box->toPlainText(), written);
    QCOMPARE(box->textCursor().position(), 0);
    QVERIFY(!box->textCursor().hasSelection());
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
      QCOMPARE(block.blockFormat().lineHeightType(),
               static_cast<int>(QTextBlockFormat::FixedHeight));
      QCOMPARE(block.blockFormat().lineHeight(), RecordOf(control).font.pixel_height);
    }
  }

  // The timer writes the output boxes every second for as long as the program runs. Each
  // write lays its box out once, and the boxes keep no undo history of what they showed.
  void repeatedWritesLayOutOnceAndKeepNoHistory() {
    QVERIFY(ShowAndActivate());
    const Control control = Control::总退休时间编辑框;
    QTextEdit* box = Lines(control);
    QSignalSpy layouts(box->document()->documentLayout(), &QAbstractTextDocumentLayout::update);
    const int writes = 500;
    QString text;
    for (int i = 0; i < writes; ++i) {
      text = QStringLiteral("距离退休还有\n%1秒\n").arg(i);
      window_->WriteBoxText(control, ToText(ToCrLf(text)));
    }
    QCOMPARE(layouts.count(), writes);
    QCOMPARE(box->toPlainText(), text);
    QCOMPARE(box->document()->blockCount(), 3);
    QCOMPARE(box->document()->characterCount(), text.size() + 1);
    QCOMPARE(box->document()->availableUndoSteps(), 0);
    QCOMPARE(box->document()->availableRedoSteps(), 0);
  }

  // A character outside GBK travels as its four GB18030 bytes and comes back unchanged.
  void textsCrossAsGb18030() {
    QVERIFY(BoxTextCodecAvailable());
    const QString name = QStringLiteral("张𠮷");
    const Text bytes = ToText(name);
    QCOMPARE(QByteArray(bytes.c_str()), QByteArray("\xD5\xC5\x95\x34\xB2\x35"));
    QCOMPARE(ToQString(bytes), name);
    QVERIFY(ToText(QString()).absent());
  }

  void timerTicksRefreshTheWindowWithTheGreeting() {
    QCOMPARE(window_->timer().interval(), 1000);
    QVERIFY(window_->timer().isActive());
    QCOMPARE(window_->timer().parent(), window_.data());
    Line(Control::姓名编辑框)->setText(QStringLiteral("𠮷"));
    Line(Control::出生日期编辑框)->setText(QStringLiteral("1990-05-03"));
    Line(Control::退休年龄编辑框)->setText(QStringLiteral("60"));
    const std::size_t reads = clock_.reads();
    QTRY_COMPARE_WITH_TIMEOUT(Lines(Control::名称编辑框)->toPlainText(), QStringLiteral("您好！𠮷"),
                              3000);
    QVERIFY(clock_.reads() > reads);
    QVERIFY(!Lines(Control::今天时间编辑框)->toPlainText().isEmpty());
  }

  void enterAndLeftArrowMoveOnFromTheFilledBoxes() {
    QVERIFY(ShowAndActivate());
    QLineEdit* name = Line(Control::姓名编辑框);
    QCOMPARE(QApplication::focusWidget(), name);
    PressKey(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), name);  // nothing typed yet
    name->insert(QStringLiteral("张三"));         // typed through an input method
    PressKey(Qt::Key_Return);
    QLineEdit* birth = Line(Control::出生日期编辑框);
    QCOMPARE(QApplication::focusWidget(), birth);
    QTest::keyClicks(birth, QStringLiteral("1990-05-03"));
    birth->setCursorPosition(3);
    PressKey(Qt::Key_Enter, Qt::KeypadModifier);  // the keypad's Enter is Enter too
    QCOMPARE(QApplication::focusWidget(), Line(Control::退休年龄编辑框));
    QCOMPARE(birth->text(), QStringLiteral("1990年5月3日"));
    QCOMPARE(birth->cursorPosition(), 3);
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), Line(Control::退休年龄编辑框));
  }

  void heldLeftArrowMovesTwiceThenMovesTheCaret() {
    QVERIFY(ShowAndActivate());
    QLineEdit* name = Line(Control::姓名编辑框);
    QLineEdit* age = Line(Control::退休年龄编辑框);
    name->setText(QStringLiteral("张三"));
    age->setText(QStringLiteral("60"));
    PressKey(Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), Line(Control::出生日期编辑框));
    QCOMPARE(name->cursorPosition(), 1);  // the key still reached the name box
    PressKey(Qt::Key_Left, Qt::NoModifier, true);
    QCOMPARE(QApplication::focusWidget(), age);
    QCOMPARE(age->cursorPosition(), 2);
    PressKey(Qt::Key_Left, Qt::NoModifier, true);
    QCOMPARE(age->cursorPosition(), 1);
    PressKey(Qt::Key_Left, Qt::NoModifier, true);
    QCOMPARE(QApplication::focusWidget(), age);
    QCOMPARE(age->cursorPosition(), 0);
  }

  void tabWalksTheInputsAndComesBackFromAnOutputBox() {
    QVERIFY(ShowAndActivate());
    QLineEdit* birth = Line(Control::出生日期编辑框);
    PressKey(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), birth);
    QTest::keyClicks(birth, QStringLiteral("abc"));
    PressKey(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Line(Control::退休年龄编辑框));
    QVERIFY(birth->text().isEmpty());  // unreadable: emptied on the way out
    PressKey(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Line(Control::姓名编辑框));
    PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), Line(Control::退休年龄编辑框));
    QVERIFY(Line(Control::姓名编辑框)->text().isEmpty());  // Tab typed nothing

    QTextEdit* report = Lines(Control::总退休时间编辑框);
    QTest::mouseClick(report->viewport(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), report);
    PressKey(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Line(Control::姓名编辑框));
    QTest::mouseClick(report->viewport(), Qt::LeftButton);
    PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), Line(Control::退休年龄编辑框));
  }

  void switchingAwayNormalisesTheDateBoxAndComesBack() {
    QVERIFY(ShowAndActivate());
    QLineEdit* birth = Line(Control::出生日期编辑框);
    birth->setFocus();
    birth->setText(QStringLiteral("19900503123045"));
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(birth->text(), QStringLiteral("1990年5月3日12时30分45秒"));
    QVERIFY(ShowAndActivate());
    QCOMPARE(QApplication::focusWidget(), birth);
  }

  void escClosesAndDestroysTheWindow_data() {
    QTest::addColumn<Control>("from");
    QTest::newRow("姓名编辑框") << Control::姓名编辑框;
    QTest::newRow("退休年龄编辑框") << Control::退休年龄编辑框;
    QTest::newRow("今天时间编辑框") << Control::今天时间编辑框;
  }
  void escClosesAndDestroysTheWindow() {
    QFETCH(Control, from);
    QVERIFY(ShowAndActivate());
    window_->widget(from)->setFocus();
    PressKey(Qt::Key_Escape, Qt::ShiftModifier);
    QVERIFY(window_->isVisible());  // Shift+Esc is no window key
    PressKey(Qt::Key_Escape);
    QTRY_VERIFY(window_.isNull());
  }
};

}  // namespace
}  // namespace voralind

QTEST_MAIN(voralind::MainWindowTest)
#include "main_window_test.moc"
