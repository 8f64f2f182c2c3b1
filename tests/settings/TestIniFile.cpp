#include "settings/IniFile.h"

#include <gtest/gtest.h>

#include <string>

namespace rennlupe::settings {
namespace {

TEST(IniFile, FindsValuesAsThePrivateProfileFunctionsDo) {
    const IniFile ini(
        "orphan=1\n"
        "; [Positionen] in a comment\r\n"
        "  [ positionen ]  \r\n"
        "  x POSITION =  620 \r\n"
        ";Farbe=9\n"
        "Farbe=\"300\"\n"
        "Gr\xF6\xDF"
        "e=7\n"
        "Grafik X='12\n"
        "Farbe=999\n"
        "[Other]\n"
        "Grafik Y=5");
    EXPECT_EQ(ini.value("Positionen", "X position"), "620");
    EXPECT_EQ(ini.value("POSITIONEN", "farbe"), "300");  // quotes off; the first key counts
    EXPECT_EQ(ini.value("Positionen",
                        "Gr\xF6\xDF"
                        "e"),
              "7");
    EXPECT_EQ(ini.value("Positionen",
                        "GR\xD6\xDF"
                        "E"),
              std::nullopt);  // case is folded for ASCII letters only
    EXPECT_EQ(ini.value("Positionen", "Grafik X"), "'12");
    EXPECT_EQ(ini.value("Positionen", "Grafik Y"), std::nullopt);
    EXPECT_EQ(ini.value("other", "Grafik Y"), "5");
    EXPECT_EQ(ini.value("Positionen", "orphan"), std::nullopt);
    EXPECT_EQ(IniFile("").value("Positionen", "Farbe"), std::nullopt);
}

TEST(IniFile, WritesOnlyTheLinesItChanges) {
    const std::string before =
        "; kept as it is\n"
        "[Other]\n"
        "a = 1\n"
        "\n"
        "[Positionen]\n"
        "X position=1\n"
        "\n"
        "; trailing comment\n"
        "\n"
        "[Last]\n"
        "b=2";
    IniFile ini(before);
    ini.setValue("positionen", "x position", "620");
    ini.setValue("Positionen", "Farbe", "300");
    ini.setValue("Neu", "Grafik X", "5");
    EXPECT_EQ(ini.bytes(),
              "; kept as it is\n"
              "[Other]\n"
              "a = 1\n"
              "\n"
              "[Positionen]\n"
              "X position=620\r\n"
              "\n"
              "; trailing comment\n"
              "Farbe=300\r\n"
              "\n"
              "[Last]\n"
              "b=2\r\n"
              "[Neu]\r\n"
              "Grafik X=5\r\n");
    EXPECT_EQ(IniFile(ini.bytes()).value("Positionen", "X position"), "620");
}

}  // namespace
}  // namespace rennlupe::settings
