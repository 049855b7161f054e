#include "window_fixture.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QMetaEnum>

namespace {

const QSet<int> kListedKeys = {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5,
                               Qt::Key_6, Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_Return,
                               Qt::Key_Enter, Qt::Key_Backspace, Qt::Key_Space, Qt::Key_Up, Qt::Key_Down,
                               // Ctrl+C, Ctrl+V, Ctrl+S, Shift+Insert, F1 and F2 act like the toolbar.
                               Qt::Key_C, Qt::Key_V, Qt::Key_S, Qt::Key_Insert, Qt::Key_F1, Qt::Key_F2};

// Every combination of Shift, Ctrl, Alt, Meta and the keypad flag.
QList<Qt::KeyboardModifiers> allModifierCombinations()
{
    const Qt::KeyboardModifier single[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier,
                                           Qt::MetaModifier, Qt::KeypadModifier};
    QList<Qt::KeyboardModifiers> all;
    for (int bits = 0; bits < 32; ++bits) {
        Qt::KeyboardModifiers modifiers;
        for (int i = 0; i < 5; ++i)
            if (bits & (1 << i))
                modifiers |= single[i];
        all << modifiers;
    }
    return all;
}

struct Seen
{
    QString entry, check, caption, clipboard;
    bool saveEnabled;
    bool operator==(const Seen &o) const
    {
        return entry == o.entry && check == o.check && caption == o.caption && clipboard == o.clipboard
            && saveEnabled == o.saveEnabled;
    }
};

Seen seen(const ShownWindow &w)
{
    return {w.entryLabel()->text(), w.checkLabel()->text(), w.form->windowTitle(),
            QGuiApplication::clipboard()->text(), w.toolButton("save")->isEnabled()};
}

} // namespace

class KeySweepTest : public QObject
{
    Q_OBJECT

private slots:
    void keysNotListedChangeNothing()
    {
        ShownWindow w;
        w.click("log");
        w.type("12");
        QGuiApplication::clipboard()->setText(QStringLiteral("unchanged"));
        const Seen before = seen(w);
        const QMetaEnum keys = QMetaEnum::fromType<Qt::Key>();
        for (int i = 0; i < keys.keyCount(); ++i) {
            const int key = keys.value(i);
            if (kListedKeys.contains(key) || key == Qt::Key_Tab || key == Qt::Key_Backtab)
                continue;
            for (Qt::KeyboardModifiers modifiers : allModifierCombinations()) {
                // Sent as plain events: QTest cannot click every key code.
                QKeyEvent press(QEvent::KeyPress, key, modifiers);
                QKeyEvent release(QEvent::KeyRelease, key, modifiers);
                QApplication::sendEvent(w.text1(), &press);
                QApplication::sendEvent(w.text1(), &release);
                if (!(seen(w) == before) || QApplication::focusWidget() != w.text1())
                    QFAIL(qPrintable(QStringLiteral("%1 with modifiers 0x%2 changed something")
                                         .arg(QLatin1String(keys.key(i)))
                                         .arg(uint(modifiers), 0, 16)));
            }
        }
        // The same kind of event with a listed key does reach the calculator.
        QKeyEvent digit(QEvent::KeyPress, Qt::Key_3, Qt::NoModifier, 12, 0x33, 0, QStringLiteral("3"));
        QApplication::sendEvent(w.text1(), &digit);
        QCOMPARE(w.entryLabel()->text(), QStringLiteral("         123"));
    }

    void listedKeysWorkWithAnyModifier_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("typedFirst");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("check");
        for (int digit = 0; digit <= 9; ++digit)
            QTest::addRow("digit %d", digit) << int(Qt::Key_0 + digit) << QStringLiteral("4")
                                             << QStringLiteral("4%1").arg(digit)
                                             << QString();
        QTest::newRow("Return") << int(Qt::Key_Return) << QStringLiteral("57") << QStringLiteral("57") << "4";
        QTest::newRow("Enter") << int(Qt::Key_Enter) << QStringLiteral("57") << QStringLiteral("57") << "4";
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << QStringLiteral("57") << QStringLiteral("5") << "1";
        QTest::newRow("Space") << int(Qt::Key_Space) << QStringLiteral("57") << QString() << "0";
        QTest::newRow("Up") << int(Qt::Key_Up) << QStringLiteral("57") << QStringLiteral("58") << "2";
        QTest::newRow("Down") << int(Qt::Key_Down) << QStringLiteral("57") << QStringLiteral("56") << "6";
    }
    void listedKeysWorkWithAnyModifier()
    {
        QFETCH(int, key);
        QFETCH(QString, typedFirst);
        QFETCH(QString, entry);
        ShownWindow w;
        for (Qt::KeyboardModifiers modifiers : allModifierCombinations()) {
            QTest::keyClick(w.text1(), Qt::Key_Space);  // start from a clean slate
            w.type(typedFirst.toLatin1().constData());
            QTest::keyClick(w.text1(), Qt::Key(key), modifiers);
            QCOMPARE(w.entryLabel()->text(), entry.rightJustified(12));
            QCOMPARE(w.entryLabel()->text().size(), 12);
            QFETCH(QString, check);
            if (!check.isEmpty())
                QCOMPARE(w.checkLabel()->text(), check);
        }
    }
};

QTEST_MAIN(KeySweepTest)
#include "key_sweep_test.moc"
