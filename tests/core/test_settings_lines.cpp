#include "core/SettingsFile.h"
#include "core/SettingsLines.h"

#include <QtTest>

#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace korvo;

namespace {

// The code page a file that is not UTF-8 is read in: the system's on Windows (1252 stands in where that
// is UTF-8), 1252 elsewhere. scripts/cross-windows runs these tests with 1252 and with 1251.
unsigned ansiCodePage() {
#ifdef Q_OS_WIN
    return GetACP() == CP_UTF8 ? 1252 : GetACP();
#else
    return 1252;
#endif
}

// Every value distinct, so a value landing on the wrong line shows.
StoredSettings sample() {
    StoredSettings s;
    for (int k = 0; k < StoredProfileCount; ++k) {
        const QString n = QString::number(k + 1);
        s.Profiles[static_cast<std::size_t>(k)] = {"ip" + n,     "mask" + n,  "gw" + n,
                                                   "dns1-" + n,  "dns2-" + n, "wins1-" + n,
                                                   "wins2-" + n, "name" + n,  "adapter" + n};
    }
    s.Profiles[1].Name = QStringLiteral("Office, 2nd floor");
    s.Profiles[2].Name = QStringLiteral("Büro Zürich");
    s.TermsAccepted = true;
    s.DhcpPrimaryDNS = QStringLiteral("DHCP");
    s.DhcpSecondaryDNS = QStringLiteral("DHCP");
    s.DhcpPrimaryWINS = QStringLiteral("198.51.100.1");
    s.DhcpSecondaryWINS = QStringLiteral("198.51.100.2");
    s.DNSViaDHCP = true;
    s.WINSViaDHCP = false;
    s.DhcpAdapterCaption = QStringLiteral("dhcp adapter");
    return s;
}

QByteArray linesOf(int count, const QByteArray& text = {}) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += text + "\r\n";
    return bytes;
}

} // namespace

class TestSettingsLines : public QObject {
    Q_OBJECT
private slots:
    // Values on lines 1-9 of each block, 40 and 121-129 (127 repeating 9); every other line empty.
    void layout() {
        const QStringList lines = settingsLines(sample());
        QCOMPARE(lines.size(), 129);
        const QStringList fields = {"ip",     "mask",   "gw",   "dns1-",  "dns2-",
                                    "wins1-", "wins2-", "name", "adapter"};
        QStringList expected(129);
        for (int k = 1; k <= 6; ++k)
            for (int f = 0; f < 9; ++f)
                expected[20 * (k - 1) + f] = fields[f] + QString::number(k);
        expected[27] = QStringLiteral("Office, 2nd floor");
        expected[47] = QStringLiteral("Büro Zürich");
        expected[39] = QStringLiteral("1");
        const QStringList dhcp = {"DHCP",     "DHCP", "198.51.100.1", "198.51.100.2", "1", "0",
                                  "adapter1", "",     "dhcp adapter"};
        for (int i = 0; i < dhcp.size(); ++i)
            expected[120 + i] = dhcp[i];
        for (int line = 1; line <= 129; ++line)
            QVERIFY2(lines[line - 1] == expected[line - 1], qPrintable(QString::number(line)));
    }

    void bytesRoundTrip() {
        const StoredSettings s = sample();
        const EncodedSettings encoded = encodeSettingsFile(settingsLines(s));
        QVERIFY(encoded.error.isEmpty());
        QVERIFY(encoded.bytes.endsWith("dhcp adapter\r\n"));
        QCOMPARE(encoded.bytes.count("\r\n"), 129);
        QCOMPARE(encoded.bytes.count('\n'), 129);
        QVERIFY(!encoded.bytes.startsWith("\xEF\xBB\xBF"));
        // A new file: the system's encoding where it holds the name (1251 has no "ü"), else UTF-8.
        const QString name = QStringLiteral("Büro Zürich");
        const QByteArray local = name.toLocal8Bit();
        QVERIFY(encoded.bytes.contains(QString::fromLocal8Bit(local) == name ? local : name.toUtf8()));

        const DecodedSettings decoded = decodeSettingsFile(encoded.bytes);
        QCOMPARE(decoded.fault, SettingsFault::None);
        StoredSettings back = storedSettings(decoded.lines);
        QCOMPARE(back.RepeatedAdapterCaption, QStringLiteral("adapter1"));
        QVERIFY(!back.UseRepeatedAdapter);
        back.RepeatedAdapterCaption.clear();
        QCOMPARE(back, s);
    }

    void decoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<SettingsFault>("fault");
        const QByteArray full = linesOf(129, "x, y");
        QTest::newRow("129 lines with commas") << full << SettingsFault::None;
        QTest::newRow("last line without CR LF") << full.chopped(2) << SettingsFault::None;
        QTest::newRow("empty") << QByteArray() << SettingsFault::WrongLineCount;
        QTest::newRow("128 lines") << linesOf(128) << SettingsFault::WrongLineCount;
        QTest::newRow("130 lines") << linesOf(130) << SettingsFault::WrongLineCount;
        QTest::newRow("129 and an empty 130th") << full + "\r\n" << SettingsFault::WrongLineCount;
        QTest::newRow("LF line ends") << QByteArray(full).replace("\r\n", "\n") << SettingsFault::BadLineEnd;
        QTest::newRow("lone CR") << "a\rb" + linesOf(129) << SettingsFault::BadLineEnd;
        QTest::newRow("NUL") << QByteArray(full).replace(0, 1, QByteArray(1, '\0')) << SettingsFault::NotText;
        QTest::newRow("not UTF-8: Windows-1252") << "\xff\xfe\x80" + full << SettingsFault::None;
        QTest::newRow("huge") << linesOf(129, QByteArray(SettingsMaxBytes / 129 + 1, 'a'))
                              << SettingsFault::TooLarge;
    }
    void decoding() {
        QFETCH(QByteArray, bytes);
        QFETCH(SettingsFault, fault);
        const DecodedSettings decoded = decodeSettingsFile(bytes);
        QCOMPARE(decoded.fault, fault);
        if (fault == SettingsFault::None) QCOMPARE(decoded.lines.size(), 129);
    }

    // Read as UTF-8 when it is UTF-8, else in the ANSI code page; unedited lines encode to the same bytes.
    void encodings_data() {
        QTest::addColumn<QByteArray>("firstLine");
        QTest::addColumn<QString>("text");
        QTest::addColumn<SettingsEncoding>("encoding");
        QTest::newRow("ASCII") << QByteArray("Cafe") << "Cafe" << SettingsEncoding::System;
        QTest::newRow("UTF-8") << QByteArray("Caf\xc3\xa9 \xe2\x82\xac") << "Café €"
                               << SettingsEncoding::Utf8;
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf"
                                                      "Caf\xc3\xa9")
                                        << "Café" << SettingsEncoding::Utf8WithBom;
        QTest::newRow("UTF-8 with two BOMs") << QByteArray("\xef\xbb\xbf\xef\xbb\xbf"
                                                           "1")
                                             << QStringLiteral("\ufeff1") << SettingsEncoding::Utf8WithBom;
        if (ansiCodePage() == 1252) {
            QTest::newRow("Latin-1") << QByteArray("Caf\xe9") << "Café" << SettingsEncoding::AnsiCodePage;
            QTest::newRow("Windows-1252")
                << QByteArray("\x80 \x9f \x81") << "€ Ÿ \u0081" << SettingsEncoding::AnsiCodePage;
            QTest::newRow("UTF-8 cut short")
                << QByteArray("Caf\xc3") << "CafÃ" << SettingsEncoding::AnsiCodePage;
        }
        if (ansiCodePage() == 1251) {
            QTest::newRow("Windows-1251") << QByteArray("\xce\xf4\xe8\xf1 \xb9"
                                                        "2")
                                          << "Офис №2" << SettingsEncoding::AnsiCodePage;
            QTest::newRow("UTF-8 cut short")
                << QByteArray("Caf\xc3") << "CafГ" << SettingsEncoding::AnsiCodePage;
        }
    }
    void encodings() {
        QFETCH(QByteArray, firstLine);
        QFETCH(QString, text);
        QFETCH(SettingsEncoding, encoding);
        const QByteArray bytes = firstLine + linesOf(129);
        const DecodedSettings decoded = decodeSettingsFile(bytes);
        QCOMPARE(decoded.fault, SettingsFault::None);
        QCOMPARE(decoded.encoding, encoding);
        QCOMPARE(decoded.lines[0], text);
        const EncodedSettings again = encodeSettingsFile(decoded.lines, decoded.encoding);
        QCOMPARE(again.bytes, bytes);
        QCOMPARE(again.encoding, encoding);
    }

    // A Windows-1252 file whose new text would not read back as written goes to UTF-8, the whole file.
    void encodingFallsBackToUtf8_data() {
        QTest::addColumn<QString>("edit"); // line 1's new text; line 2 is "Ã©" throughout
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("a character beyond it") << "Łódź"
                                               << QByteArray("\xc5\x81\xc3\xb3"
                                                             "d\xc5\xba\r\n\xc3\x83\xc2\xa9");
        QTest::newRow("bytes that read as UTF-8") << "Cafe" << QByteArray("Cafe\r\n\xc3\x83\xc2\xa9\r\n");
    }
    void encodingFallsBackToUtf8() {
        if (ansiCodePage() != 1252) QSKIP("the cases are Windows-1252's");
        QFETCH(QString, edit);
        QFETCH(QByteArray, start);
        QStringList lines = decodeSettingsFile("Caf\xe9\r\n\xc3\xa9" + linesOf(128)).lines;
        QCOMPARE(lines[1], QStringLiteral("Ã©"));
        lines[0] = edit;
        const EncodedSettings encoded = encodeSettingsFile(lines, SettingsEncoding::AnsiCodePage);
        QCOMPARE(encoded.encoding, SettingsEncoding::Utf8);
        QVERIFY(encoded.bytes.startsWith(start));
    }

    // A name the ANSI code page holds is saved in it (on Windows a new file too), and only a name it
    // cannot hold makes the file UTF-8: checked with the code page the system has.
    void savedInTheCodePage() {
        QString held, beyond;
        QByteArray bytes;
        if (ansiCodePage() == 1251) {
            held = QStringLiteral("Офис Москва №2");
            bytes = "\xce\xf4\xe8\xf1 \xcc\xee\xf1\xea\xe2\xe0 \xb9"
                    "2";
            beyond = QStringLiteral("Café");
        } else if (ansiCodePage() == 1252) {
            held = QStringLiteral("Büro Zürich €");
            bytes = "B\xfcro Z\xfcrich \x80";
            beyond = QStringLiteral("Офис");
        } else {
            QSKIP("the cases are for the code pages 1251 and 1252");
        }
        QStringList lines = decodeSettingsFile(linesOf(129)).lines;
        lines[7] = held;
        std::vector<SettingsEncoding> encodings{SettingsEncoding::AnsiCodePage};
#ifdef Q_OS_WIN
        encodings.push_back(SettingsEncoding::System);
#endif
        for (const SettingsEncoding encoding : encodings) {
            const EncodedSettings encoded = encodeSettingsFile(lines, encoding);
            QCOMPARE(encoded.encoding, encoding);
            QVERIFY(encoded.bytes.contains("\r\n" + bytes + "\r\n"));
        }
        lines[7] = beyond;
        QCOMPARE(encodeSettingsFile(lines, SettingsEncoding::AnsiCodePage).encoding, SettingsEncoding::Utf8);
    }

    void windows1252() {
        QByteArray all(256, 0);
        for (int b = 0; b < 256; ++b)
            all[b] = static_cast<char>(b);
        const QString text = fromWindows1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(toWindows1252(text), std::optional<QByteArray>(all));
        QCOMPARE(text.mid(0x7f, 0x22),
                 QStringLiteral("\u007f€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008dŽ\u008f\u0090‘’“”•–—˜™š›œ\u009džŸ\u00a0"));
        QCOMPARE(text.mid(0xe9, 1), QStringLiteral("é"));
        for (const QString& beyond :
             {QStringLiteral("\u0080"), QStringLiteral("Ł"), QStringLiteral("\u20ad")})
            QCOMPARE(toWindows1252(beyond), std::nullopt);
    }

    void checkStates_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("state"); // -1: not a state
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("1") << "1" << 1;
        for (const char* other : {"", " 1", "1 ", "2", "-1", "01", "yes"})
            QTest::newRow(other) << QString::fromLatin1(other) << -1;
    }
    void checkStates() {
        QFETCH(QString, line);
        QFETCH(int, state);
        const std::optional<bool> parsed = checkStateFromLine(line);
        QCOMPARE(parsed ? int(*parsed) : -1, state);
    }

    // Korvo must never write a file it would reject itself.
    void refusesWhatWouldNotReadBack_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("LF") << "a\nb";
        QTest::newRow("CR") << "a\rb";
        QTest::newRow("NUL") << QString(QChar(0)) + "b";
        QTest::newRow("unencodable") << QString(QChar(0xD800));
    }
    void refusesWhatWouldNotReadBack() {
        QFETCH(QString, value);
        StoredSettings s = sample();
        s.Profiles[4].Gateway = value;
        QVERIFY(!encodeSettingsFile(settingsLines(s)).error.isEmpty());
    }

    // Accepting the terms in an existing file changes its terms line and not one other byte.
    void acceptTermsInAFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("expected"); // empty: refused, the file as it was
        QByteArray lines = linesOf(39, "Caf\xe9") + "0\r\n" + linesOf(89, "x");
        QTest::newRow("0, Windows-1252, last line without its end")
            << lines.chopped(2) << lines.chopped(2).replace(linesOf(39, "Caf\xe9").size(), 1, "1");
        lines = "\xEF\xBB\xBF" + linesOf(39, "Caf\xc3\xa9") + "\r\n" + linesOf(89, "x");
        QTest::newRow("empty, UTF-8 with its mark")
            << lines << QByteArray(lines).insert(3 + linesOf(39, "Caf\xc3\xa9").size(), "1");
        // Without its line 40, the rest would read as UTF-8: the file goes to UTF-8 as a whole.
        // Line 1 read in the code page: "Ã©" in 1252, "Г©" in 1251.
        const QByteArray first = ansiCodePage() == 1251 ? "\xd0\x93\xc2\xa9" : "\xc3\x83\xc2\xa9";
        lines = "\xc3\xa9\r\n" + linesOf(38) + "\xff\r\n" + linesOf(89);
        QTest::newRow("its only code-page byte on it")
            << lines << first + "\r\n" + linesOf(38) + "1\r\n" + linesOf(89);
        QTest::newRow("corrupt") << linesOf(128) << QByteArray();
    }
    void acceptTermsInAFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Korvo.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QCOMPARE(acceptTermsInSettingsFile(path).isEmpty(), !expected.isEmpty());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expected.isEmpty() ? bytes : expected);
    }
};

QTEST_GUILESS_MAIN(TestSettingsLines)
#include "test_settings_lines.moc"
