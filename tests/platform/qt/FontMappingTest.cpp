#include <QFontDatabase>
#include <QtTest>

#include "core/locale/Encoding.h"
#include "platform/qt/FontMapping.h"

using tabulo::Cp932Converter;
using tabulo::platform::ChoiceFromQFont;
using tabulo::platform::ChooseJapaneseFamily;
using tabulo::platform::FontChoice;
using tabulo::platform::JapaneseFontKind;
using tabulo::platform::QFontFromChoice;

Q_DECLARE_METATYPE(JapaneseFontKind)

namespace {

std::string Sjis(const char* utf8) {
  Cp932Converter converter;
  return converter.FromUtf8(utf8);
}

bool NotoInstalled() {
  const auto families = QFontDatabase::families();
  return families.contains(QStringLiteral("Noto Sans CJK JP")) &&
         families.contains(QStringLiteral("Noto Serif CJK JP"));
}

}  // namespace

class FontMappingTest : public QObject {
  Q_OBJECT

 private slots:
  void chooseFamily_data() {
    QTest::addColumn<JapaneseFontKind>("kind");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("japanese");
    QTest::addColumn<QString>("expected");
    const QStringList noto{"DejaVu Sans", "Noto Sans CJK JP", "Noto Serif CJK JP", "Noto Sans Mono CJK JP"};
    const QStringList ipa{"DejaVu Sans", "IPAexGothic", "IPAexMincho"};
    QTest::newRow("gothic on Noto") << JapaneseFontKind::Gothic << noto << noto.mid(1) << "Noto Sans CJK JP";
    QTest::newRow("mincho on Noto") << JapaneseFontKind::Mincho << noto << noto.mid(1) << "Noto Serif CJK JP";
    QTest::newRow("fixed gothic on Noto") << JapaneseFontKind::FixedGothic << noto << noto.mid(1)
                                          << "Noto Sans Mono CJK JP";
    QTest::newRow("fixed gothic without the mono face")
        << JapaneseFontKind::FixedGothic << noto.mid(0, 3) << noto.mid(1, 2) << "Noto Sans CJK JP";
    QTest::newRow("gothic on IPA") << JapaneseFontKind::Gothic << ipa << ipa.mid(1) << "IPAexGothic";
    QTest::newRow("mincho on IPA") << JapaneseFontKind::Mincho << ipa << ipa.mid(1) << "IPAexMincho";
    QTest::newRow("mincho where only a gothic writes Japanese")
        << JapaneseFontKind::Mincho << ipa << QStringList{"IPAexGothic"} << "IPAexGothic";
    QTest::newRow("no Japanese font: Qt's fallback decides")
        << JapaneseFontKind::Mincho << QStringList{"DejaVu Sans"} << QStringList{} << "Noto Serif CJK JP";
  }

  void chooseFamily() {
    QFETCH(JapaneseFontKind, kind);
    QFETCH(QStringList, installed);
    QFETCH(QStringList, japanese);
    QFETCH(QString, expected);
    QCOMPARE(ChooseJapaneseFamily(kind, installed, japanese), expected);
  }

  void storedJapaneseNamesShowInstalledFamilies() {
    if (!NotoInstalled()) QSKIP("the Noto CJK fonts are not installed");
    const FontChoice gothic{Sjis("ＭＳ Ｐゴシック"), 128, 12, 1 | 4};
    const auto font = QFontFromChoice(gothic);
    QCOMPARE(font.family(), QStringLiteral("Noto Sans CJK JP"));
    QCOMPARE(font.pointSize(), 12);
    QVERIFY(font.bold());
    QVERIFY(!font.italic());
    QVERIFY(font.underline());
    QVERIFY(!font.strikeOut());
    QCOMPARE(QFontFromChoice({Sjis("ＭＳ Ｐ明朝"), 128, 9, 0}).family(), QStringLiteral("Noto Serif CJK JP"));
    QCOMPARE(QFontFromChoice({Sjis("ＭＳ 明朝"), 128, 9, 0}).family(), QStringLiteral("Noto Serif CJK JP"));
    // Any other name is asked for as it is.
    QCOMPARE(QFontFromChoice({"DejaVu Serif", 0, 9, 2 | 8}).family(), QStringLiteral("DejaVu Serif"));
  }

  // The dialog hands back the family shown for a stored Windows name: the
  // user chose that family, and it is what the next start shows.
  void theChosenFamilyIsStoredEvenWhenItIsTheMappedOne() {
    const FontChoice previous{Sjis("ＭＳ Ｐゴシック"), 128, 9, 0};
    auto bigger = QFontFromChoice(previous);
    bigger.setPointSize(14);
    bigger.setItalic(true);
    bigger.setStrikeOut(true);
    const FontChoice expected{Cp932Converter().FromUtf16(bigger.family().toStdU16String()), 128, 14, 2 | 8};
    QCOMPARE(ChoiceFromQFont(bigger, previous), expected);
    QCOMPARE(QFontFromChoice(expected).family(), bigger.family());
  }

  void otherFamilyBecomesTheStoredName() {
    const FontChoice previous{Sjis("ＭＳ Ｐゴシック"), 128, 9, 0};
    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPointSize(11);
    chosen.setBold(true);
    const FontChoice expected{"DejaVu Sans", 128, 11, 1};
    QCOMPARE(ChoiceFromQFont(chosen, previous), expected);

    // Going back to a Japanese family stores that family's own name.
    QFont serif(QStringLiteral("Noto Serif CJK JP"));
    serif.setPointSize(9);
    QCOMPARE(ChoiceFromQFont(serif, expected).name, std::string("Noto Serif CJK JP"));
  }

  void familyThatCp932CannotHoldKeepsThePreviousName() {
    const FontChoice previous{Sjis("ＭＳ Ｐ明朝"), 128, 9, 0};
    QFont chosen(QString::fromUtf8("Ŧype Ŋame"));
    chosen.setPointSize(10);
    const auto choice = ChoiceFromQFont(chosen, previous);
    QCOMPARE(choice.name, previous.name);
    QCOMPARE(choice.size, 10);
  }
};

QTEST_MAIN(FontMappingTest)
#include "FontMappingTest.moc"
