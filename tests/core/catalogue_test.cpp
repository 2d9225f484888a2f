#include "catalogue.h"
#include "load_case.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace varnok {
namespace {

// Length in characters, as the sheet's fixed-pitch field counts them.
std::size_t characters(std::string_view utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8)
        n += (c & 0xC0) != 0x80;
    return n;
}

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override { FillCatalogue(catalogue); }
    SectionCatalogue catalogue;
};

TEST_F(Catalogue, RowsOutsideOneToSixtyDoNotExist) {
    EXPECT_EQ(catalogue.row(0), nullptr);
    EXPECT_EQ(catalogue.row(61), nullptr);
    EXPECT_EQ(catalogue.row(-1), nullptr);
    ASSERT_NE(catalogue.row(1), nullptr);
    ASSERT_NE(catalogue.row(60), nullptr);
}

TEST_F(Catalogue, SentinelsCarryTheirNeighboursProperties) {
    for (auto [sentinel, section] :
         {std::pair{1, 2}, {20, 19}, {21, 22}, {40, 39}, {41, 42}, {60, 59}}) {
        const SectionRow& s = *catalogue.row(sentinel);
        const SectionRow& r = *catalogue.row(section);
        EXPECT_EQ(s.ib, r.ib) << sentinel;
        EXPECT_EQ(s.eta, r.eta) << sentinel;
        EXPECT_EQ(s.Zx, r.Zx) << sentinel;
        EXPECT_EQ(s.Ix, r.Ix) << sentinel;
        EXPECT_EQ(s.Ze, r.Ze) << sentinel;
        EXPECT_EQ(s.BucklingConstant, r.BucklingConstant) << sentinel;
        EXPECT_EQ(characters(s.designation), 14u) << sentinel;
    }
    EXPECT_EQ(catalogue.row(1)->designation, "＜H-150x75以下＞  ");
    EXPECT_EQ(catalogue.row(60)->reportDesignation, "＜Ｈ－400 × 408以上＞ ");
}

TEST_F(Catalogue, DesignationsKeepTheirTrailingBlanks) {
    for (int r = 2; r <= 9; ++r)
        EXPECT_EQ(characters(catalogue.row(r)->designation), 17u) << r;
    for (int r : {10, 19, 22, 39, 42, 59})
        EXPECT_EQ(characters(catalogue.row(r)->designation), 18u) << r;
    EXPECT_EQ(catalogue.row(29)->designation, "H-482x300x11x15   ");
}

TEST_F(Catalogue, BucklingConstantMultipliesBeforeDividing) {
    EXPECT_EQ(catalogue.row(2)->BucklingConstant, 31150.000000000004);
    EXPECT_EQ(catalogue.row(44)->BucklingConstant, 89000);
    EXPECT_NEAR(catalogue.row(9)->BucklingConstant, 40003.48, 0.005);
}

// Ix and Zx of a rolled H-section agree: Ix ≈ Zx × h/2. A slip in either
// (row 49 once carried Ix 10500 for 11500) breaks it.
TEST_F(Catalogue, EveryRealRowHasIxCloseToZxTimesHalfTheDepth) {
    int checked = 0;
    for (int r = 1; r <= kCatalogueRows; ++r) {
        const std::string_view name = catalogue.row(r)->designation;
        if (!name.starts_with("H-"))
            continue; // an or-smaller / or-larger row
        ++checked;
        const double depth = std::stod(std::string(name.substr(2))) / 10; // mm to cm
        const SectionRow& row = *catalogue.row(r);
        EXPECT_NEAR(row.Ix / (row.Zx * depth / 2), 1, 0.01) << "row " << r << " " << name;
    }
    EXPECT_EQ(checked, 54);
}

TEST(LoadCases, EachButtonRecordsItsCaseAndKeepsTheRest) {
    LoadCase lc;
    EXPECT_EQ(ChooseLoadCase(lc, LoadCaseButton::TwoPoints), SheetKind::kei3_b1);
    EXPECT_EQ(lc.momentCoefficient.numerator, 1);
    EXPECT_EQ(lc.momentCoefficient.denominator, 3);
    EXPECT_EQ(lc.deflectionText.numerator, "２３");
    EXPECT_EQ(lc.deflectionText.denominator, "６４８");
    EXPECT_EQ(lc.deflectionCoefficient.denominator, 648);
    EXPECT_EQ(lc.diagramFile, "s_b2.gif");
    EXPECT_EQ(lc.caseNumber, 3);

    EXPECT_EQ(ChooseLoadCase(lc, LoadCaseButton::Cantilever), SheetKind::kei3_cg);
    EXPECT_EQ(lc.diagramFile, "s_cb.gif");
    EXPECT_EQ(lc.caseNumber, 6);
    EXPECT_EQ(lc.momentCoefficient.denominator, 3) << "the cantilever leaves the coefficients";

    EXPECT_EQ(ChooseLoadCase(lc, LoadCaseButton::UniformOnly), SheetKind::kei3_b2);
    EXPECT_EQ(lc.caseNumber, 1);
    ChooseLoadCase(lc, LoadCaseButton::FourPoints);
    EXPECT_EQ(lc.momentText.numerator, "３");
    EXPECT_EQ(lc.deflectionCoefficient.numerator, 63);
    EXPECT_EQ(lc.deflectionCoefficient.denominator, 1000);
    EXPECT_EQ(lc.caseNumber, 5);
}

} // namespace
} // namespace varnok
