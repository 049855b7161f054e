#include "window_fixture.h"

#include "picturepixels.h"

#include <QFontMetrics>

#include <algorithm>

class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void startsBlankWithNothingToSave()
    {
        ShownWindow w;
        QCOMPARE(w.form->windowTitle(), QStringLiteral("PIRUMO"));
        QCOMPARE(w.entryLabel()->text(), QString());
        QCOMPARE(w.checkLabel()->text(), QString());
        QVERIFY(!w.toolButton("save")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), w.text1());
        QVERIFY(!w.form->windowIcon().isNull());
        QCOMPARE(w.form->size(), QSize(144, 52));
    }

    void theFirstFrameHoldsEveryControl()
    {
        // Nothing is drawn before the event loop runs: by then every control
        // must be there and shown, with the number blank.
        Form1 form;
        form.show();
        for (const char *name : {"Toolbar1", "log", "save", "copy", "paste", "help", "end", "Label1", "Label2",
                                 "UpCmd", "DownCmd", "Text1"}) {
            const auto *control = form.findChild<QWidget *>(QLatin1String(name));
            QVERIFY2(control && control->isVisible(), name);
        }
        QCOMPARE(form.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QString());
        QVERIFY(!form.findChild<QToolButton *>(QStringLiteral("save"))->isEnabled());
    }

    void controlsStandWhereTheyBelong_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Toolbar1") << "Toolbar1" << QRect(0, 0, 144, 28);
        QTest::newRow("DownCmd") << "DownCmd" << QRect(128, 40, 17, 12);
        QTest::newRow("UpCmd") << "UpCmd" << QRect(128, 29, 17, 12);
        QTest::newRow("Text1") << "Text1" << QRect(64, 8, 14, 15);
        QTest::newRow("Label2") << "Label2" << QRect(109, 32, 12, 17);
        QTest::newRow("Label1") << "Label1" << QRect(6, 32, 97, 17);
    }
    void controlsStandWhereTheyBelong()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        ShownWindow w;
        QCOMPARE(w.control(name.toLatin1().constData())->geometry(), geometry);
    }

    void toolbarButtonsFillTheWidthExactly_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("log") << "log" << 0 << QStringLiteral("記録 on/off");
        QTest::newRow("save") << "save" << 1 << QStringLiteral("名前を付けて保存");
        QTest::newRow("copy") << "copy" << 2 << QStringLiteral("コピー");
        QTest::newRow("paste") << "paste" << 3 << QStringLiteral("貼付け");
        QTest::newRow("help") << "help" << 4 << QStringLiteral("ヘルプ");
        QTest::newRow("end") << "end" << 5 << QStringLiteral("終了");
    }
    void toolbarButtonsFillTheWidthExactly()
    {
        QFETCH(QString, key);
        QFETCH(int, index);
        QFETCH(QString, toolTip);
        ShownWindow w;
        QToolButton *button = w.toolButton(key.toLatin1().constData());
        QCOMPARE(button->toolTip(), toolTip);
        QVERIFY(button->isVisible());
        QCOMPARE(button->size(), QSize(24, 22));
        QCOMPARE(button->x(), 24 * index);
        QCOMPARE(button->y(), 3);
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->accessibleName(), toolTip);
    }

    void toolbarHoldsTheSixButtonsAndNothingElse()
    {
        ShownWindow w;
        QWidget *toolbar = w.control("Toolbar1");
        QStringList visible;
        for (QWidget *child : toolbar->findChildren<QWidget *>())
            if (child->isVisible())
                visible << child->objectName();
        QCOMPARE(visible, QStringList({"log", "save", "copy", "paste", "help", "end"}));
        QVERIFY(toolbar->autoFillBackground());
    }

    void toolbarHidesTheKeyCatcherAndDownCmdCoversUpCmd()
    {
        ShownWindow w;
        QWidget *atText1 = w.form->childAt(70, 15);
        QVERIFY(atText1 != w.text1());
        QVERIFY(w.control("Toolbar1")->isAncestorOf(atText1) || atText1 == w.control("Toolbar1"));
        QCOMPARE(w.form->childAt(130, 40), w.control("DownCmd"));
        QCOMPARE(w.form->childAt(130, 39), w.control("UpCmd"));
    }

    void tabMovesThroughTextBoxAndStepButtonsOnly()
    {
        ShownWindow w;
        w.key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.control("UpCmd"));
        w.key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.control("DownCmd"));
        w.key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.text1());
        QCOMPARE(w.entryLabel()->text(), QString());
    }

    void labelsReadBlackOnWhiteOnADarkDesktop()
    {
        // A dark colour scheme, in force before the window is built.
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            dark.setColor(role, QColor(0x20, 0x20, 0x20));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, QColor(0xee, 0xee, 0xee));
        QApplication::setPalette(dark);
        {
            ShownWindow w;
            w.type("12345678901");
            for (QLabel *label : {w.entryLabel(), w.checkLabel()}) {
                const QImage image = label->grab().toImage();
                QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
                int darkest = 255;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        darkest = std::min(darkest, image.pixelColor(x, y).lightness());
                QVERIFY2(darkest < 64, qPrintable(label->objectName()));  // dark text on it
            }
        }
        QApplication::setPalette(light);
    }

    void picturesAreDrawnForDenseScreensToo()
    {
        ShownWindow w;
        const QList<QPair<QIcon, QSize>> pictures = {
            {w.toolButton("log")->icon(), QSize(16, 16)}, {w.toolButton("save")->icon(), QSize(16, 16)},
            {w.toolButton("copy")->icon(), QSize(16, 16)}, {w.toolButton("paste")->icon(), QSize(16, 16)},
            {w.toolButton("help")->icon(), QSize(16, 16)}, {w.control<QPushButton>("UpCmd")->icon(), QSize(20, 20)},
            {w.control<QPushButton>("DownCmd")->icon(), QSize(20, 20)}, {w.form->windowIcon(), QSize(32, 32)}};
        const auto colour = [](QRgb pixel) { return qAlpha(pixel) == 0 ? QRgb(0) : pixel; };
        for (const auto &[icon, size] : pictures) {
            const QImage single = icon.pixmap(size, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage twice = icon.pixmap(size, 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(twice.size(), size * 2);
            // Only the drawing's own colours: a picture enlarged by Qt would
            // blend them along every edge.
            QSet<QRgb> drawn;
            for (int y = 0; y < single.height(); ++y)
                for (int x = 0; x < single.width(); ++x)
                    drawn.insert(colour(single.pixel(x, y)));
            for (int y = 0; y < twice.height(); ++y)
                for (int x = 0; x < twice.width(); ++x)
                    QVERIFY2(drawn.contains(colour(twice.pixel(x, y))), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }

    void endPictureIsShrunkWholeAndNeverMasked()
    {
        ShownWindow w;
        for (qreal scale : {1.0, 2.0}) {
            const QImage end = w.toolButton("end")->icon().pixmap(QSize(16, 16), scale).toImage().convertToFormat(
                QImage::Format_ARGB32);
            QCOMPARE(end.size(), QSize(16, 16) * scale);
            const int last = end.width() - 1;
            for (QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
                QCOMPARE(end.pixel(corner), qRgb(191, 191, 191));  // opaque grey, not see-through
            QVERIFY(qGray(end.pixel(last / 2, last / 2)) < 64);    // the middle of the cross
        }
    }

    void toolbarPicturesBlendAtScalesTheyWereNotDrawnFor()
    {
        // 150 %: averaged from the 2x drawing, not the 1x one with doubled
        // pixels, so the edges carry partial alpha; drawn sizes stay exact.
        for (const char *key : {"log", "save", "copy", "paste", "help"}) {
            const PicturePixels at150 = toolbarPicture(key, 24);
            QCOMPARE(at150.width, 24);
            QVERIFY2(std::any_of(at150.argb.begin(), at150.argb.end(),
                                 [](std::uint32_t c) { return c >> 24 != 0 && c >> 24 != 255; }), key);
            QVERIFY(toolbarPicture(key, 32).argb == drawnPicture(key, 2).argb);
        }
    }

    void twelveDigitsFitFlushRightInWhateverFontThereIs()
    {
        ShownWindow w;
        w.type("888888888888");
        struct { QLabel *label; QString widest; int largest; } labels[] = {
            {w.entryLabel(), QStringLiteral("888888888888"), 15}, {w.checkLabel(), QStringLiteral("X"), 16}};
        for (const auto &[label, widest, largest] : labels) {
            const QFontMetrics metrics(label->font());
            // Padding by spaces lines the digits up only where all are one width.
            for (QChar c : QStringLiteral("0123456789X"))
                QCOMPARE(metrics.horizontalAdvance(c), metrics.horizontalAdvance(QLatin1Char(' ')));
            QVERIFY2(metrics.horizontalAdvance(widest) <= label->width(), qPrintable(label->font().family()));
            QVERIFY(label->font().pixelSize() <= largest);
            QVERIFY(label->font().pixelSize() >= largest - 4);
        }
        QCOMPARE(w.checkLabel()->font().weight(), QFont::Bold);
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
