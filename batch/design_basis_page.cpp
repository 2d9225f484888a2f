#include "design_basis_page.h"

#include "check_result.h"
#include "design_basis.h"
#include "load_case.h"

#include <cstdio>
#include <string>

namespace varnok::batch {

namespace {

constexpr int kLeft = 5;
constexpr int kIndent = kLeft + 4;

/// A constant as an engineer writes it: no trailing zeros.
std::string Number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.10g", value);
    return buffer;
}

std::string WeldLimits() {
    return std::string(WeldRatioLimit(false).text) + "（長期）、" +
           std::string(WeldRatioLimit(true).text) + "（短期）";
}

/// The point loads' term of M and δ of one simple-beam arrangement.
std::string PointTerms(const LoadCaseEntry& e) {
    const std::string m = Number(e.momentCoefficient[0]) + "／" + Number(e.momentCoefficient[1]);
    const std::string d =
        Number(e.deflectionCoefficient[0]) + "／" + Number(e.deflectionCoefficient[1]);
    return "M = wL²／8 + (" + m + ")·PL　　δ = " + Number(design::kSimpleUniformDeflection) +
           "·wL⁴／EI + 100·(" + d + ")·PL³／EI";
}

} // namespace

reports::ReportLines DesignBasisLines() {
    using namespace design;
    reports::ReportLines lines(2);
    auto head = [&](const std::string& text) {
        lines.emplace_back();
        lines.push_back({kLeft, text});
    };
    auto line = [&](const std::string& text) { lines.push_back({kIndent, text}); };

    lines.push_back({kLeft, "設計条件"});
    head("１．材料");
    line("鋼材の基準強度　F = " + Number(kSteelF) +
         " N/mm²　　ヤング係数　E = " + Number(kYoungModulus) + " N/mm²");
    head("２．許容曲げ応力度（横座屈を考慮）");
    line("長期　fb = " + Number(kBucklingNumerator) + "·ib／(Lb·η)、ただし " + Number(kFbLongCap) +
         " N/mm² 以下");
    line("短期　長期の fb の " + Number(kShortTermFactor) + " 倍、ただし " + Number(kFbShortCap) +
         " N/mm² 以下");
    line("ib：横座屈用断面二次半径、η = ib·h／Af、Lb：座屈長さ（0 は横座屈なし）");
    line("片持梁の溶接部（ウェブを除く）　fbe = " + Number(kWeldAllowableStress) +
         " N/mm²（長期・短期とも）");
    head("３．検定");
    line("曲げ　　　|M|／(Zx·fb) ≦ " + std::string(kBendingRatioLimit.text) +
         "（長期・短期とも。fb がその期間のもの）");
    line("溶接部　　|M|／(Ze·fbe) ≦ " + WeldLimits() + "（片持梁）");
    const std::string deflectionLimit(kSpanOverDeflectionLimit.text);
    line("たわみ　　δ ≦ L／" + deflectionLimit + "（L／|δ| を整数に丸めて " + deflectionLimit +
         " 以上）");
    head("４．応力とたわみ");
    line("w：等分布荷重 kN/m、P：集中荷重 kN（片持梁は先端荷重）、L：スパン m");
    line("M：kN·m、δ：cm、EI = (E／10⁵)·Ix = " + Number(kYoungModulus / 100000) + "·Ix（Ix：cm⁴）");
    for (const LoadCaseEntry& e : kLoadCases) {
        lines.push_back({kIndent, std::string(e.caption)});
        switch (e.sheet) {
        case SheetKind::kei3_b1:
            lines.push_back({kIndent + 4, PointTerms(e)});
            break;
        case SheetKind::kei3_b2:
            lines.push_back({kIndent + 4,
                             "M = wL²／8　　δ = " + Number(kSimpleUniformDeflection) + "·wL⁴／EI"});
            break;
        case SheetKind::kei3_cg:
            lines.push_back(
                {kIndent + 4, "M = wL²／2 + PL　　δ = " + Number(kCantileverUniformDeflection) +
                                  "·wL⁴／EI + " + Number(kCantileverTipDeflection) + "·PL³／EI"});
            break;
        }
    }
    head("５．断面の選定（JIS G 3192 の H 形鋼、細幅・中幅・広幅の系列ごと）");
    line("自動選定：Zx ≧ |M| × " + Number(kSimpleModulusFactor) + "（片持梁は Ze ≧ |M| × " +
         Number(kCantileverModulusFactor) + "）となる最小の断面");
    line("指定断面：指定の断面で検定する（設計シートの↑↓で選ぶのと同じ）");
    line("全検定：上の断面から系列内で順に上げ、曲げ・たわみ（片持梁は溶接部も）が");
    line("　　　　すべてＯＫとなる最初の断面。系列の最大断面でもＮＧのときはその断面とＮＧを示す");
    head("６．その他");
    line("荷重は負（吹上げ）でもよい。断面は |M| で選び、検定は絶対値で行う");
    line("荷重がなく δ = 0 の梁はたわみをＯＫとする。計算できない比（不定）はＮＧとする");
    line("座屈長さの空欄は設計シートの提案値（集中荷重はスパン÷(荷重数＋1)、ほかはスパン）");
    return lines;
}

} // namespace varnok::batch
