#include "editor/app/message_dlg.h"
#include "editor/app/ui_sound.h"
#include "editor/edit/tfrm_edit_value.h"
#include "editor/platform/sound_player.h"
#include "test_sounds.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace rivetbench;
using app::TfrmEditValue;

namespace {

const QString kEmptyWarning = QStringLiteral(
    "Warning: Please confirm that no value was entered!\n(Press OK to continue, Cancel to re-enter a value)");
const QString kNoChange = QStringLiteral("No change made to this parameter!");

using rivetbench::test::SoundRig;

// The dialog, opened without a modal loop; message boxes are recorded and answered with `answer`.
class EditValue : public ::testing::Test {
  protected:
    void SetUp() override {
        renew();
        app::setMessageDlgResponder([this](QMessageBox& box) {
            messages << box.text();
            titles << box.windowTitle();
            return answer;
        });
    }
    void TearDown() override { app::setMessageDlgResponder(nullptr); }

    // A new dialog with a new sound rig, so nothing has played yet.
    void renew() {
        dialogPtr.reset();
        rig = std::make_unique<SoundRig>();
        dialogPtr = std::make_unique<TfrmEditValue>(&rig->sounds);
    }
    TfrmEditValue& dialog() { return *dialogPtr; }

    template <class T> T* child(const char* name) {
        T* found = dialog().findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QPlainTextEdit* valEdit() { return child<QPlainTextEdit>("ValEdit"); }
    QPushButton* button(const char* name) { return child<QPushButton>(name); }

    // Typed key by key; characters beyond ASCII come as the text of an unknown key, as from a
    // keyboard layout that has them.
    void type(const QString& text) {
        for (QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(valEdit(), static_cast<char>(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, valEdit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    void apply() { QTest::mouseClick(button("btnApply"), Qt::LeftButton); }

    std::unique_ptr<SoundRig> rig;
    std::unique_ptr<TfrmEditValue> dialogPtr;
    QStringList messages, titles;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
};

} // namespace

TEST_F(EditValue, ControlsAndTexts) {
    EXPECT_EQ(dialog().objectName(), QStringLiteral("TfrmEditValue"));
    EXPECT_EQ(dialog().windowTitle(), QStringLiteral("Rivetbench - Edit Value"));
    EXPECT_EQ(dialog().minimumSize(), QSize(440, 190));
    EXPECT_EQ(dialog().maximumSize(), QSize(440, 190));
    EXPECT_TRUE(dialog().windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(dialog().windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(dialog().windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(dialog().windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    EXPECT_TRUE(dialog().isModal());

    QStringList labels;
    for (const QLabel* label : dialog().findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("Parameter:")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Enter or edit a value:")));

    auto* var = child<QLabel>("VarLabel");
    auto* hint = child<QToolButton>("imgHintEdit");
    ASSERT_TRUE(var && hint && valEdit() && button("btnApply") && button("btnCancel"));
    EXPECT_EQ(var->size(), QSize(400, 20));
    EXPECT_TRUE(var->font().bold());
    EXPECT_EQ(var->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(valEdit()->size(), QSize(405, 37));
    EXPECT_EQ(valEdit()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(hint->size(), QSize(17, 17));
    EXPECT_EQ(hint->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(hint->toolTip(), QStringLiteral("Edit the popup hint"));
    EXPECT_FALSE(hint->icon().isNull());
    EXPECT_EQ(button("btnApply")->text(), QStringLiteral("&Apply"));
    EXPECT_EQ(button("btnCancel")->text(), QStringLiteral("&Cancel"));

    QSignalSpy hintClicks(&dialog(), &TfrmEditValue::hintEditRequested);
    QTest::mouseClick(hint, Qt::LeftButton);
    EXPECT_EQ(hintClicks.count(), 1);
}

// Opening fills the caption as given and the value centred; text from code is no change.
TEST_F(EditValue, OpenShowsCaptionAndValue) {
    const char* captions[] = {"Light - 6", "<none> & more", "Max Gross Weight (lbs)"};
    for (const char* caption : captions) {
        dialog().open(QString::fromLatin1(caption), QStringLiteral("2.5; \"old\""), false);
        EXPECT_TRUE(dialog().isVisible());
        EXPECT_EQ(child<QLabel>("VarLabel")->text(), QString::fromLatin1(caption));
        EXPECT_EQ(valEdit()->toPlainText(), QStringLiteral("2.5; \"old\"")); // shown as found
        EXPECT_EQ(valEdit()->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask,
                  Qt::AlignHCenter);
        EXPECT_FALSE(dialog().valueChanged()) << caption;
        dialog().close();
    }
}

TEST_F(EditValue, FilterKeepsOrSwallowsTypedCharacters) {
    const struct {
        const char* what;
        QString typed;
        QString kept;
    } cases[] = {
        {"letters, digits, sign", QStringLiteral("aZ09 _.,-=+"), QStringLiteral("aZ09 _.,-=+")},
        {"path and brackets", QStringLiteral("\\/?!%()[]{}$&<>"), QStringLiteral("\\/?!%()[]{}$&<>")},
        {"comment and quotes", QStringLiteral("1;2\"3'4"), QStringLiteral("1234")},
        {"other punctuation", QStringLiteral("a:b*c#d@e|f~g^h`i"), QStringLiteral("abcdefghi")},
        {"Tab moves on, adds nothing", QStringLiteral("x\ty"), QStringLiteral("xy")},
        {"beyond ASCII", QStringLiteral(u"5\u00e9\u00b06\u20ac\u00a0"), QStringLiteral("56")},
    };
    for (const auto& c : cases) {
        dialog().open(QStringLiteral("p"), QString(), false);
        type(c.typed);
        EXPECT_EQ(valEdit()->toPlainText(), c.kept) << c.what;
        dialog().close();
    }
    EXPECT_TRUE(TfrmEditValue::isAllowedChar(QLatin1Char('\\')));
    EXPECT_FALSE(TfrmEditValue::isAllowedChar(QLatin1Char('\n')));
}

TEST_F(EditValue, BackspaceAndDeleteStillEdit) {
    dialog().open(QStringLiteral("p"), QStringLiteral("1234"), false);
    QTest::keyClick(valEdit(), Qt::Key_Backspace);
    QTest::keyClick(valEdit(), Qt::Key_Home);
    QTest::keyClick(valEdit(), Qt::Key_Delete);
    EXPECT_EQ(valEdit()->toPlainText(), QStringLiteral("23"));
}

// Pasted and composed text passes the same filter: no line break or quote gets in.
TEST_F(EditValue, PasteAndInputMethodAreFiltered) {
    dialog().open(QStringLiteral("p"), QString(), false);
    QGuiApplication::clipboard()->setText(QStringLiteral("1;2\n3\"x"));
    QTest::keyClick(valEdit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(valEdit()->toPlainText(), QStringLiteral("123x"));
    EXPECT_TRUE(dialog().valueChanged());

    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral(u"y\u00fc;z\r\n"));
    QApplication::sendEvent(valEdit(), &composed);
    EXPECT_EQ(valEdit()->toPlainText(), QStringLiteral("123xyz"));

    EXPECT_EQ(TfrmEditValue::filtered(QStringLiteral("a\r\nb\u2029c\td")), QStringLiteral("abcd"));
}

TEST_F(EditValue, AtMostAThousandCharacters) {
    dialog().open(QStringLiteral("p"), QString(), false);
    QGuiApplication::clipboard()->setText(QString(1200, QLatin1Char('7')));
    QTest::keyClick(valEdit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(valEdit()->toPlainText().size(), 1000);
    type(QStringLiteral("8"));
    EXPECT_EQ(valEdit()->toPlainText(), QString(1000, QLatin1Char('7')));

    valEdit()->selectAll(); // a selection makes room for what replaces it
    type(QStringLiteral("9"));
    EXPECT_EQ(valEdit()->toPlainText(), QStringLiteral("9"));
}

TEST_F(EditValue, EnterAppliesAndEscCancelsFromAnyControl) {
    const struct {
        const char* control;
        Qt::Key key;
        bool applies;
    } cases[] = {
        {"btnCancel", Qt::Key_Return, true}, {"ValEdit", Qt::Key_Return, true},
        {"ValEdit", Qt::Key_Enter, true},    {"btnApply", Qt::Key_Escape, false},
        {"ValEdit", Qt::Key_Escape, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.control) + " " + std::to_string(c.key));
        renew();
        dialog().open(QStringLiteral("p"), QStringLiteral("1"), false);
        QSignalSpy applied(&dialog(), &TfrmEditValue::applied);
        type(QStringLiteral("0"));
        QTest::keyClick(child<QWidget>(c.control), c.key);
        EXPECT_FALSE(dialog().isVisible());
        EXPECT_EQ(rig->player.lastPlayed(), rig->buttonSound());
        if (c.applies) {
            EXPECT_EQ(dialog().result(), QStringLiteral("10")); // no line added by Enter
            ASSERT_EQ(applied.count(), 1);
            EXPECT_EQ(applied.at(0).at(0).toString(), QStringLiteral("10"));
        } else {
            EXPECT_EQ(dialog().result(), std::nullopt);
            EXPECT_EQ(applied.count(), 0);
        }
        EXPECT_TRUE(messages.isEmpty());
    }
}

TEST_F(EditValue, EmptyValueAsksFirst) {
    dialog().open(QStringLiteral("p"), QStringLiteral("5"), false);
    QTest::keyClick(valEdit(), Qt::Key_Backspace);

    answer = QMessageBox::Cancel; // re-enter a value
    apply();
    EXPECT_EQ(messages, QStringList{kEmptyWarning});
    EXPECT_EQ(titles, QStringList{QStringLiteral("Warning")});
    EXPECT_TRUE(dialog().isVisible());
    EXPECT_EQ(dialog().result(), std::nullopt);

    answer = QMessageBox::Ok;
    apply();
    EXPECT_EQ(messages.size(), 2);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(dialog().result(), QString());
}

// Unchanged, Apply says so and keeps the dialog open; an empty value is confirmed first.
TEST_F(EditValue, UnchangedValueIsNotApplied) {
    const struct {
        const char* value;
        QStringList messages, titles;
    } cases[] = {
        {"", {kEmptyWarning, kNoChange}, {QStringLiteral("Warning"), QStringLiteral("Information")}},
        {"2.5", {kNoChange}, {QStringLiteral("Information")}},
    };
    for (const auto& c : cases) {
        messages.clear();
        titles.clear();
        dialog().open(QStringLiteral("p"), QString::fromLatin1(c.value), false);
        apply();
        EXPECT_EQ(messages, c.messages) << c.value;
        EXPECT_EQ(titles, c.titles) << c.value;
        EXPECT_TRUE(dialog().isVisible()) << c.value;
        EXPECT_EQ(dialog().result(), std::nullopt) << c.value;
        dialog().close();
    }
}

TEST_F(EditValue, RemovedCommentsCountAsAChange) {
    dialog().open(QStringLiteral("p"), QStringLiteral("0.35"), true);
    EXPECT_TRUE(dialog().valueChanged());
    apply();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(dialog().result(), QStringLiteral("0.35"));
}

// The value is applied exactly as it stands, even when typing has come back to the start.
TEST_F(EditValue, AppliedAsTyped) {
    const struct {
        const char* what;
        QString typed;
        const char* result;
    } cases[] = {
        {"type and delete", QStringLiteral("x\b"), "5"},
        {"trailing space", QStringLiteral(" "), "5 "},
    };
    for (const auto& c : cases) {
        dialog().open(QStringLiteral("p"), QStringLiteral("5"), false);
        type(c.typed);
        apply();
        EXPECT_TRUE(messages.isEmpty()) << c.what;
        EXPECT_EQ(dialog().result(), QString::fromLatin1(c.result)) << c.what;
    }
}

// FormClose: every way out clears ValueChanged; only the buttons click.
TEST_F(EditValue, ClosingResetsValueChanged) {
    const struct {
        const char* how;
        void (*close)(TfrmEditValue&);
        bool clicks;
    } cases[] = {
        {"title bar", [](TfrmEditValue& d) { d.close(); }, false},
        {"Cancel",
         [](TfrmEditValue& d) { QTest::mouseClick(d.findChild<QPushButton*>("btnCancel"), Qt::LeftButton); },
         true},
    };
    for (const auto& c : cases) {
        renew();
        dialog().open(QStringLiteral("p"), QStringLiteral("1"), true);
        c.close(dialog());
        EXPECT_FALSE(dialog().isVisible()) << c.how;
        EXPECT_FALSE(dialog().valueChanged()) << c.how;
        EXPECT_EQ(dialog().result(), std::nullopt) << c.how;
        EXPECT_EQ(rig->player.lastPlayed().isEmpty(), !c.clicks) << c.how;
    }
}

TEST_F(EditValue, ValueRedWhileFocused) {
    dialog().open(QStringLiteral("p"), QStringLiteral("1"), false);
    QApplication::setActiveWindow(&dialog());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog()));
    const QColor normal = button("btnApply")->palette().color(QPalette::Text);
    valEdit()->setFocus();
    EXPECT_TRUE(valEdit()->hasFocus());
    EXPECT_EQ(valEdit()->palette().color(QPalette::Text), QColor(Qt::red));
    QTest::keyClick(valEdit(), Qt::Key_Tab);
    EXPECT_TRUE(button("btnApply")->hasFocus());
    EXPECT_EQ(valEdit()->palette().color(QPalette::Text), normal);
}

TEST_F(EditValue, ModalCallCentresAndReturnsTheValue) {
    QWidget main;
    main.setGeometry(-120, 80, 900, 640);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main)); // its frame is known from here on
    const QRect area = main.frameGeometry();
    TfrmEditValue modal(nullptr, &main);
    auto* edit = modal.findChild<QPlainTextEdit*>("ValEdit");
    ASSERT_NE(edit, nullptr);
    QPoint placed;
    QTimer::singleShot(0, &modal, [&] {
        placed = modal.pos();
        QTest::keyClicks(edit, QStringLiteral("7"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(modal.editValue(QStringLiteral("p"), QStringLiteral("1"), false), QStringLiteral("17"));
    EXPECT_EQ(placed, QPoint(area.x() + area.width() / 2 - modal.width() / 2,
                             area.y() + area.height() / 2 - modal.height() / 2));

    QTimer::singleShot(0, &modal, [&] { QTest::keyClick(edit, Qt::Key_Escape); });
    EXPECT_EQ(modal.editValue(QStringLiteral("p"), QStringLiteral("1"), true), std::nullopt);
}
