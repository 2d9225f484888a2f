// The report lines of the three design sheets. Every number goes through the
// display-mask formatter; the masks carry the literal text of their line.

#include "report_lines.h"

#include "display_mask.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace varnok::reports {

namespace {

using namespace std::string_view_literals;

// Columns of the text file; the printed page moves every one ten to the right.
constexpr int kLeft = 10;      // member name, diagrams, formulas
constexpr int kSection = 12;   // section designation and the fb formula
constexpr int kResult = 13;    // deflection results
constexpr int kValues = 15;    // span, loads, section properties
constexpr int kSecondRow = 18; // second load row of the uniform-load sheet
constexpr int kWeld = 8;       // the cantilever's weld-section line
constexpr int kPageShift = 10;

// A field text that means "no added load": the reports leave such a piece out.
constexpr std::string_view kZeroText = "0.000";

namespace mask {
constexpr auto kSpan = "Ｌ  ＝ ##0.000 m"sv;
constexpr auto kBucklingLength = " ,   Ｌb ＝ ##0.000 m"sv; // the comma is kept as text
constexpr auto kLongTerm = "■長期荷重"sv;
constexpr auto kShortTerm = "●短期荷重"sv;
constexpr auto kAreaLoadW = "ｗ ＝ ##0.000 "sv;
constexpr auto kAreaLoadP = "Ｐ ＝ ##0.000 "sv;
constexpr auto kTimes = "× ##0.000 "sv;
constexpr auto kPlus = "＋ ##0.000 "sv;
constexpr auto kTotalW = "＝ ##0.000 kN/m"sv;
constexpr auto kTotalP = "＝ ##0.000 kN"sv;

constexpr auto kMomentNumerator = "       1              #"sv;
constexpr auto kMoment = "Ｍ ＝ ---･ｗ･Ｌ^2 ＋ ---･Ｐ･Ｌ ＝ ##0.000 kN･m"sv;
constexpr auto kMomentDenominator = "       8              #"sv;
constexpr auto kMomentUniform = "Ｍ ＝ ---･ｗ･Ｌ^2 ＝ ##0.000 kN･m"sv;
constexpr auto kMomentCantilever = "Ｍ ＝ ---･ｗ･Ｌ^2 ＋ Ｐ･Ｌ ＝ ##0.000 kN･m"sv;

constexpr auto kUse = "ＵＳＥ： "sv;
constexpr auto kRule = "============================================"sv;

struct SectionMasks {
    std::string_view ib, eta, Zx, Ix;
};
constexpr SectionMasks kSectionDiamond{"断面性能 ◇ ib＝###.00 cm", "　　　　 ◇ η＝###.00",
                                       "　　　　 ◇ Zx＝######.0 cm3", "　　　　 ◇ Ix＝####### cm4"};
// The uniform-load sheet's printed page marks its properties with a middle dot;
// the numbers stay in the same columns.
constexpr SectionMasks kSectionDot{"断面性能　･ ib＝###.00 cm", "　　　　　･ η＝###.00",
                                   "　　　　　･ Zx＝######.0 cm3", "　　　　　･ Ix＝####### cm4"};

constexpr auto kFbNumerator = "           89000･ｉb"sv;
constexpr auto kFb = "∴ ｆb ＝ ----------- ＝ #### N/mm2"sv;
constexpr auto kFbDenominator = "             Ｌb･η"sv;
constexpr auto kRatioNumerator = "  Ｍ"sv;
constexpr auto kRatioBar = "------- ＝ ##0.000   "sv; // then the sign, the limit and the verdict
constexpr auto kRatioDenominator = " Zx･fb"sv;

constexpr auto kDeflectionNumerator = "       5･ｗ･Ｌ^4        ##･Ｐ･Ｌ^3"sv;
constexpr auto kDeflectionBars = "δ ＝ ------------ ＋ -------------"sv;
constexpr auto kDeflectionDenominator = "        384･Ｅ･Ｉ        ####･Ｅ･Ｉ"sv;
constexpr auto kDeflectionNumeratorUniform = "       5･ｗ･Ｌ^4"sv;
constexpr auto kDeflectionBarsUniform = "δ ＝ ------------"sv;
constexpr auto kDeflectionDenominatorUniform = "        384･Ｅ･Ｉ"sv;
constexpr auto kDeflectionNumeratorCantilever = "        ｗ･Ｌ^4          Ｐ･Ｌ^3"sv;
constexpr auto kDeflectionDenominatorCantilever = "        8･Ｅ･Ｉ          3･Ｅ･Ｉ"sv;
constexpr auto kDeflection = "＝ #0.000 cm"sv;
constexpr auto kSpanOverDeflectionHead = "     Ｌ            Ｌ"sv;
constexpr auto kSpanOverDeflectionBar = "＝ -------   "sv; // then the sign and the verdict
constexpr auto kSpanOverDeflectionGap = "  -------      "sv;
// L/δ, then blanks up to the limit 300 (added as text, so that the formatter
// does not take its zeros for digits of the mask).
struct SpanOverDeflectionLine {
    std::string_view mask, gap;
};
constexpr SpanOverDeflectionLine kSpanOverDeflection{"    #####", "           "};
constexpr SpanOverDeflectionLine kSpanOverDeflectionUniformFile{"    #####", "          "};
constexpr SpanOverDeflectionLine kSpanOverDeflectionCantilever{"     #####", "           "};

constexpr auto kWeldModulusHead = "［溶接部］ Ze ＝ "sv;
constexpr auto kWeldModulus = "######.0 cm3 (ウェブ無視) "sv;
constexpr auto kWeldAllowable = ",  ｆbe ＝ 141 N/mm2 とする."sv;
constexpr auto kWeldNumerator = "   Ｍ"sv;
constexpr auto kWeldBar = "-------- ＝ ##0.000   "sv;
constexpr auto kWeldDenominator = " Ze･fbe"sv;
} // namespace mask

// Load diagrams of the simple beam with one to four point loads (case 2 to 5):
// the two lines of loads and arrows, then the beam, its supports and the span.
constexpr std::array<std::array<std::string_view, 2>, 4> kPointLoadDiagramTops{{
    {"        Ｐ        ", "        ↓   ｗ   "},
    {"     Ｐ    Ｐ     ", "     ↓    ↓  ｗ "},
    {"    Ｐ  Ｐ  Ｐ    ", "    ↓  ↓  ↓ ｗ "},
    {"  Ｐ  Ｐ  Ｐ  Ｐ  ", "  ↓  ↓  ↓  ↓ｗ"},
}};
constexpr std::array<std::string_view, 3> kBeamLines{"==================", "|                |",
                                                     "+-------Ｌ-------+"};
constexpr std::array<std::string_view, 2> kUniformDiagramTop{"                  ",
                                                             "        ｗ        "};
constexpr std::array<std::string_view, 6> kCantileverDiagram{"||            Ｐ", "||     ｗ     ↓",
                                                             "||=============",  "||            |",
                                                             "|+-----Ｌ-----+",  "||             "};

// The verdict pieces state the sheet's own verdict and the limit in force.
constexpr std::string_view Sign(bool passes) {
    return passes ? "＜" : "＞";
}
constexpr std::string_view Verdict(bool passes) {
    return passes ? "【ＯＫ】" : "【ＮＧ】";
}
// The ratio through its mask, then the sign, the limit and the verdict as text:
// the limit's digits are no part of the mask.
std::string RatioLine(double ratio, std::string_view bar, bool passes, const RatioLimit& limit) {
    std::string line = FormatMask(ratio, bar);
    line += Sign(passes);
    line += ' ';
    line += limit.text;
    line += "      ";
    line += Verdict(passes);
    return line;
}

std::string SpanOverDeflectionBar(bool passes) {
    std::string m(mask::kSpanOverDeflectionBar);
    m += Sign(passes);
    m += mask::kSpanOverDeflectionGap;
    m += Verdict(passes);
    return m;
}

class LineList {
public:
    void empty(int count = 1) {
        for (int i = 0; i < count; ++i)
            lines_.push_back({});
    }
    void text(int column, std::string text) { lines_.push_back({column, std::move(text)}); }
    void value(int column, double v, std::string_view m) { text(column, FormatMask(v, m)); }
    ReportLines take() { return std::move(lines_); }

private:
    ReportLines lines_;
};

/// What every report reads, gathered once.
struct Inputs {
    const BeamDesign& design;
    std::string_view memberName;
    ReportTarget target;

    double field(int n) const { return design.entries.get(n); }
    /// Whether field n shows something other than "0.000".
    bool shows(int n) const { return design.shown[static_cast<std::size_t>(n)] != kZeroText; }
    bool longTerm() const { return !design.result.shortTerm; }
    const CheckResult& result() const { return design.result; }
};

/// The loading diagram under the member name: its loads and arrows, then the
/// beam; either may be empty.
struct Diagram {
    int emptyBefore = 0; // the cantilever's drawing stands a line lower
    std::span<const std::string_view> loads;
    std::span<const std::string_view> beam;
};

/// What every report opens with: member name, diagram, span and buckling
/// length, the load duration.
void Preamble(LineList& out, const Inputs& in, const Diagram& diagram) {
    out.empty(2);
    out.text(kLeft, std::string(in.memberName));
    out.empty(1 + diagram.emptyBefore);
    for (std::string_view line : diagram.loads)
        out.text(kLeft, std::string(line));
    for (std::string_view line : diagram.beam)
        out.text(kLeft, std::string(line));
    out.empty(2);
    out.text(kValues, FormatMask(in.field(slot::kSpan), mask::kSpan) +
                          FormatMask(in.field(slot::kBucklingLength), mask::kBucklingLength));
    out.empty(2);
    out.text(kLeft, std::string(in.longTerm() ? mask::kLongTerm : mask::kShortTerm));
    out.empty();
}

/// A formula of three lines at the left column: numerator, the line with the
/// result, denominator.
struct Formula {
    std::string top;
    std::string middle;
    std::string bottom;
};

void Lines(LineList& out, const Formula& formula) {
    out.text(kLeft, formula.top);
    out.text(kLeft, formula.middle);
    out.text(kLeft, formula.bottom);
}

/// Load line of the simple beam and the cantilever: area load × width (× length)
/// (+ added load, unless its field shows "0.000") = total.
std::string LoadLine(const Inputs& in, std::string_view head, int firstField, int widths,
                     int addedField, std::string_view totalMask) {
    int n = firstField;
    std::string line = FormatMask(in.field(n++), head);
    for (int i = 0; i < widths; ++i)
        line += FormatMask(in.field(n++), mask::kTimes);
    if (in.shows(addedField))
        line += FormatMask(in.field(n), mask::kPlus);
    ++n;
    line += FormatMask(in.field(n), totalMask);
    return line;
}

/// Section, properties, fb and the stress-ratio block; false when the section
/// row lies outside the catalogue (nothing of the block is written then).
bool SectionBlock(LineList& out, const Inputs& in, const mask::SectionMasks& masks) {
    const SectionRow* row = Catalogue().row(in.result().sectionRow);
    if (row == nullptr)
        return false;
    out.text(kSection, std::string(mask::kUse) + std::string(row->reportDesignation));
    out.text(kLeft, std::string(mask::kRule));
    out.value(kValues, row->ib, masks.ib);
    out.value(kValues, row->eta, masks.eta);
    out.value(kValues, row->Zx, masks.Zx);
    out.value(kValues, row->Ix, masks.Ix);
    out.empty();
    out.text(kSection, std::string(mask::kFbNumerator));
    out.value(kSection, in.result().fb, mask::kFb);
    out.text(kSection, std::string(mask::kFbDenominator));
    out.empty();
    out.text(kLeft, std::string(mask::kRatioNumerator));
    out.text(kLeft, RatioLine(in.result().stressRatioShown.value, mask::kRatioBar, in.result().bendingPasses,
                              kBendingRatioLimit));
    out.text(kLeft, std::string(mask::kRatioDenominator));
    return true;
}

void DeflectionResult(LineList& out, const Inputs& in, const mask::SpanOverDeflectionLine& last) {
    out.value(kResult, in.result().deflection, mask::kDeflection);
    out.empty();
    out.text(kResult, std::string(mask::kSpanOverDeflectionHead));
    out.text(kResult, SpanOverDeflectionBar(in.result().deflectionPasses));
    out.text(kResult, FormatMask(in.result().spanOverDeflection, last.mask) +
                          std::string(last.gap) + std::string(kSpanOverDeflectionLimit.text));
}

/// Everything after the load lines: moment, section and bending check,
/// deflection; false as SectionBlock.
bool Checks(LineList& out, const Inputs& in, const Formula& moment,
            const mask::SectionMasks& sectionMasks, const Formula& deflection,
            const mask::SpanOverDeflectionLine& spanOverDeflection) {
    out.empty(2);
    Lines(out, moment);
    out.empty(2);
    if (!SectionBlock(out, in, sectionMasks))
        return false;
    out.empty(2);
    Lines(out, deflection);
    out.empty();
    DeflectionResult(out, in, spanOverDeflection);
    return true;
}

/// The w and P lines of the simple beam and the cantilever.
void PointLoadRows(LineList& out, const Inputs& in) {
    out.text(kValues,
             LoadLine(in, mask::kAreaLoadW, slot::kAreaLoadW, 1, slot::kAddedW, mask::kTotalW));
    out.empty();
    out.text(kValues,
             LoadLine(in, mask::kAreaLoadP, slot::kAreaLoadP, 2, slot::kAddedP, mask::kTotalP));
}

bool SimpleBeam(LineList& out, const Inputs& in) {
    const LoadCase& loadCase = in.design.loadCase;
    const bool drawn = loadCase.caseNumber >= 2 && loadCase.caseNumber <= 5;
    Preamble(out, in,
             drawn ? Diagram{0, kPointLoadDiagramTops[loadCase.caseNumber - 2], kBeamLines}
                   : Diagram{});
    PointLoadRows(out, in);
    return Checks(
        out, in,
        {FormatMask(loadCase.momentCoefficient.numerator, mask::kMomentNumerator),
         FormatMask(in.result().moment.value, mask::kMoment),
         FormatMask(loadCase.momentCoefficient.denominator, mask::kMomentDenominator)},
        mask::kSectionDiamond,
        {FormatMask(loadCase.deflectionCoefficient.numerator, mask::kDeflectionNumerator),
         std::string(mask::kDeflectionBars),
         FormatMask(loadCase.deflectionCoefficient.denominator, mask::kDeflectionDenominator)},
        mask::kSpanOverDeflection);
}

bool UniformLoad(LineList& out, const Inputs& in) {
    const bool page = in.target == ReportTarget::PrintedPage;
    Preamble(out, in, {0, kUniformDiagramTop, kBeamLines});

    // First row: area load × width (+ added load); the line keeps its trailing blank.
    std::string first = FormatMask(in.field(slot::kAreaLoadW), mask::kAreaLoadW) +
                        FormatMask(in.field(slot::kWidthW), mask::kTimes);
    const bool firstAdded = in.shows(slot::kAddedW);
    if (firstAdded)
        first += FormatMask(in.field(slot::kAddedW), mask::kPlus);
    out.text(kValues, std::move(first));
    // The page prints two empty lines after a first row that ends with its added
    // load, one otherwise; the file always has one.
    out.empty(page && firstAdded ? 2 : 1);

    // Second row, shown only when its area load is; its added load only with it.
    std::string second;
    if (in.shows(slot::kAreaLoadW2)) {
        second += FormatMask(in.field(slot::kAreaLoadW2), mask::kPlus) +
                  FormatMask(in.field(slot::kWidthW2), mask::kTimes);
        if (in.shows(slot::kAddedW2))
            second += FormatMask(in.field(slot::kAddedW2), mask::kPlus);
    }
    second += FormatMask(in.field(slot::kWUniform), mask::kTotalW);
    out.text(kSecondRow, std::move(second));
    return Checks(
        out, in, {"       1", FormatMask(in.result().moment.value, mask::kMomentUniform), "       8"},
        page ? mask::kSectionDot : mask::kSectionDiamond,
        {std::string(mask::kDeflectionNumeratorUniform), std::string(mask::kDeflectionBarsUniform),
         std::string(mask::kDeflectionDenominatorUniform)},
        page ? mask::kSpanOverDeflection : mask::kSpanOverDeflectionUniformFile);
}

bool Cantilever(LineList& out, const Inputs& in) {
    Preamble(out, in, {1, kCantileverDiagram, {}});
    PointLoadRows(out, in);
    if (!Checks(
            out, in, {"       1", FormatMask(in.result().moment.value, mask::kMomentCantilever), "       2"},
            mask::kSectionDiamond,
            {std::string(mask::kDeflectionNumeratorCantilever), std::string(mask::kDeflectionBars),
             std::string(mask::kDeflectionDenominatorCantilever)},
            mask::kSpanOverDeflectionCantilever))
        return false;
    out.empty(3);

    // SectionBlock has vouched for the row.
    const SectionRow& row = *Catalogue().row(in.result().sectionRow);
    out.text(kWeld, std::string(mask::kWeldModulusHead) + FormatMask(row.Ze, mask::kWeldModulus) +
                        std::string(mask::kWeldAllowable));
    out.empty();
    out.text(kLeft, std::string(mask::kWeldNumerator));
    out.text(kLeft, RatioLine(in.result().weldRatioShown.value, mask::kWeldBar, in.result().weldPasses,
                              WeldRatioLimit(!in.longTerm())));
    out.text(kLeft, std::string(mask::kWeldDenominator));
    return true;
}

} // namespace

Report BuildReport(const BeamDesign& design, std::string_view memberName, ReportTarget target) {
    const Inputs in{design, memberName, target};
    LineList out;
    if (target == ReportTarget::PrintedPage)
        out.empty();
    bool complete = false;
    switch (design.kind) {
    case SheetKind::kei3_b1:
        complete = SimpleBeam(out, in);
        break;
    case SheetKind::kei3_b2:
        complete = UniformLoad(out, in);
        break;
    case SheetKind::kei3_cg:
        complete = Cantilever(out, in);
        break;
    }
    Report report{out.take(), complete};
    if (target == ReportTarget::PrintedPage) {
        for (ReportLine& line : report.lines) {
            if (line.column > 0)
                line.column += kPageShift;
        }
    }
    return report;
}

} // namespace varnok::reports
