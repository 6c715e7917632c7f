#include "tax/OruSteuernAb2014.h"

#include <array>

#include "money/OruMath.h"
#include "tax/Kirchensteuer.h"
#include "tax/PapBausteine.h"
#include "tax/Versorgung.h"

namespace salvaro {

using namespace literale;

namespace {

using pap::ab;
using pap::auf;
using pap::cent;
using pap::euro;

// Values of each year as its flowchart sets them (euros unless a rate).
constexpr JahrAb2014 kJahre[] = {
    // clang-format off
    {.name = "OruSteuern2014", .jahr = 2014,
     .BBGRVWest = Money::euro(71400), .BBGRVOst = Money::euro(60000), .RVSATZAN = 0.0945_x,
     .TBSVORV = 0.56_x, .BBGKVPV = Money::euro(48600), .kvAnteil = KvAnteil::Fest,
     .KVSATZAN = 0.079_x, .KVSATZAG = 0.07_x, .pv = {0.01025_x, 0.01025_x, 0.01525_x, 0.00525_x, 0.0025_x},
     .pvJahrAbweichend = false, .pvJahr = {},
     .W1STKL5 = Money::euro(9763), .W2STKL5 = Money::euro(26441), .W3STKL5 = Money::euro(200584),
     .GFB = Money::euro(8354), .SOLZFREI = Money::euro(972),
     .ANPMax = Money::euro(1000), .EFA = Money::euro(1308), .KFBVoll = Money::euro(7008), .KFBHalb = Money::euro(3504),
     .tarif1Bis = Money::euro(13470), .a1 = 974.58_x, .s2 = Money::euro(13469), .tarif2Bis = Money::euro(52882),
     .a2 = 228.74_x, .k2 = 971_x, .tarif3Bis = Money::euro(250731), .k3 = 8239_x, .k4 = 15761_x,
     .solzMilderung = 20_x, .solzSonstMitFreigrenze = false, .mitMBV = false, .mitKVZ = false,
     .fvbHoechstensZVBEZJ = false, .dezemberAbrechnungGegen = ""},
    {.name = "OruSteuern2015", .jahr = 2015,
     .BBGRVWest = Money::euro(72600), .BBGRVOst = Money::euro(62400), .RVSATZAN = 0.0935_x,
     .TBSVORV = 0.60_x, .BBGKVPV = Money::euro(49500), .kvAnteil = KvAnteil::GanzerZusatz,
     .KVSATZAN = 0_x, .KVSATZAG = 0.07_x, .pv = {0.01175_x, 0.01175_x, 0.01675_x, 0.00675_x, 0.0025_x},
     .pvJahrAbweichend = false, .pvJahr = {},
     .W1STKL5 = Money::euro(9763), .W2STKL5 = Money::euro(26441), .W3STKL5 = Money::euro(200584),
     .GFB = Money::euro(8354), .SOLZFREI = Money::euro(972),
     .ANPMax = Money::euro(1000), .EFA = Money::euro(1308), .KFBVoll = Money::euro(7008), .KFBHalb = Money::euro(3504),
     .tarif1Bis = Money::euro(13470), .a1 = 974.58_x, .s2 = Money::euro(13469), .tarif2Bis = Money::euro(52882),
     .a2 = 228.74_x, .k2 = 971_x, .tarif3Bis = Money::euro(250731), .k3 = 8239_x, .k4 = 15761_x,
     .solzMilderung = 20_x, .solzSonstMitFreigrenze = false, .mitMBV = false, .mitKVZ = true,
     .fvbHoechstensZVBEZJ = false, .dezemberAbrechnungGegen = ""},
    // December 2015: the relief of the whole year (basic allowance 8,472, single-parent relief
    // 1,908, child allowance 7,152) settled against the values of January to November.
    {.name = "OruSteuern1215", .jahr = 2015,
     .BBGRVWest = Money::euro(72600), .BBGRVOst = Money::euro(62400), .RVSATZAN = 0.0935_x,
     .TBSVORV = 0.60_x, .BBGKVPV = Money::euro(49500), .kvAnteil = KvAnteil::GanzerZusatz,
     .KVSATZAN = 0_x, .KVSATZAG = 0.07_x, .pv = {0.01175_x, 0.01175_x, 0.01675_x, 0.00675_x, 0.0025_x},
     .pvJahrAbweichend = false, .pvJahr = {},
     .W1STKL5 = Money::euro(9873), .W2STKL5 = Money::euro(26441), .W3STKL5 = Money::euro(200584),
     .GFB = Money::euro(8472), .SOLZFREI = Money::euro(972),
     .ANPMax = Money::euro(1000), .EFA = Money::euro(1908), .KFBVoll = Money::euro(7152), .KFBHalb = Money::euro(3576),
     .tarif1Bis = Money::euro(13470), .a1 = 997.60_x, .s2 = Money::euro(13469), .tarif2Bis = Money::euro(52882),
     .a2 = 228.74_x, .k2 = 948.68_x, .tarif3Bis = Money::euro(250731), .k3 = 8261.29_x, .k4 = 15783.19_x,
     .solzMilderung = 20_x, .solzSonstMitFreigrenze = false, .mitMBV = false, .mitKVZ = true,
     .fvbHoechstensZVBEZJ = false, .dezemberAbrechnungGegen = "OruSteuern2015"},
    {.name = "OruSteuern2016", .jahr = 2016,
     .BBGRVWest = Money::euro(74400), .BBGRVOst = Money::euro(64800), .RVSATZAN = 0.0935_x,
     .TBSVORV = 0.64_x, .BBGKVPV = Money::euro(50850), .kvAnteil = KvAnteil::GanzerZusatz,
     .KVSATZAN = 0_x, .KVSATZAG = 0.07_x, .pv = {0.01175_x, 0.01175_x, 0.01675_x, 0.00675_x, 0.0025_x},
     .pvJahrAbweichend = false, .pvJahr = {},
     .W1STKL5 = Money::euro(10070), .W2STKL5 = Money::euro(26832), .W3STKL5 = Money::euro(203557),
     .GFB = Money::euro(8652), .SOLZFREI = Money::euro(972),
     .ANPMax = Money::euro(1000), .EFA = Money::euro(1908), .KFBVoll = Money::euro(7248), .KFBHalb = Money::euro(3624),
     .tarif1Bis = Money::euro(13670), .a1 = 993.62_x, .s2 = Money::euro(13669), .tarif2Bis = Money::euro(53666),
     .a2 = 225.40_x, .k2 = 952.48_x, .tarif3Bis = Money::euro(254447), .k3 = 8394.14_x, .k4 = 16027.52_x,
     .solzMilderung = 20_x, .solzSonstMitFreigrenze = false, .mitMBV = false, .mitKVZ = true,
     .fvbHoechstensZVBEZJ = true, .dezemberAbrechnungGegen = ""},
    {.name = "OruSteuern2017", .jahr = 2017,
     .BBGRVWest = Money::euro(76200), .BBGRVOst = Money::euro(68400), .RVSATZAN = 0.0935_x,
     .TBSVORV = 0.68_x, .BBGKVPV = Money::euro(52200), .kvAnteil = KvAnteil::GanzerZusatz,
     .KVSATZAN = 0_x, .KVSATZAG = 0.07_x, .pv = {0.01275_x, 0.01275_x, 0.01775_x, 0.00775_x, 0.0025_x},
     .pvJahrAbweichend = false, .pvJahr = {},
     .W1STKL5 = Money::euro(10240), .W2STKL5 = Money::euro(27029), .W3STKL5 = Money::euro(205043),
     .GFB = Money::euro(8820), .SOLZFREI = Money::euro(972),
     .ANPMax = Money::euro(1000), .EFA = Money::euro(1908), .KFBVoll = Money::euro(7356), .KFBHalb = Money::euro(3678),
     .tarif1Bis = Money::euro(13770), .a1 = 1007.27_x, .s2 = Money::euro(13769), .tarif2Bis = Money::euro(54058),
     .a2 = 223.76_x, .k2 = 939.57_x, .tarif3Bis = Money::euro(256304), .k3 = 8475.44_x, .k4 = 16164.53_x,
     .solzMilderung = 20_x, .solzSonstMitFreigrenze = false, .mitMBV = false, .mitKVZ = true,
     .fvbHoechstensZVBEZJ = true, .dezemberAbrechnungGegen = ""},
    {.name = "OruSteuern2018", .jahr = 2018,
     .BBGRVWest = Money::euro(78000), .BBGRVOst = Money::euro(69600), .RVSATZAN = 0.093_x,
     .TBSVORV = 0.72_x, .BBGKVPV = Money::euro(53100), .kvAnteil = KvAnteil::GanzerZusatz,
     .KVSATZAN = 0_x, .KVSATZAG = 0.07_x, .pv = {0.01275_x, 0.01275_x, 0.01775_x, 0.00775_x, 0.0025_x},
     .pvJahrAbweichend = false, .pvJahr = {},
     .W1STKL5 = Money::euro(10440), .W2STKL5 = Money::euro(27475), .W3STKL5 = Money::euro(208426),
     .GFB = Money::euro(9000), .SOLZFREI = Money::euro(972),
     .ANPMax = Money::euro(1000), .EFA = Money::euro(1908), .KFBVoll = Money::euro(7428), .KFBHalb = Money::euro(3714),
     .tarif1Bis = Money::euro(13997), .a1 = 997.80_x, .s2 = Money::euro(13996), .tarif2Bis = Money::euro(54950),
     .a2 = 220.13_x, .k2 = 948.49_x, .tarif3Bis = Money::euro(260533), .k3 = 8621.75_x, .k4 = 16437.70_x,
     .solzMilderung = 20_x, .solzSonstMitFreigrenze = false, .mitMBV = false, .mitKVZ = true,
     .fvbHoechstensZVBEZJ = true, .dezemberAbrechnungGegen = ""},
    {.name = "OruSteuern2019", .jahr = 2019,
     .BBGRVWest = Money::euro(80400), .BBGRVOst = Money::euro(73800), .RVSATZAN = 0.093_x,
     .TBSVORV = 0.76_x, .BBGKVPV = Money::euro(54450), .kvAnteil = KvAnteil::HalberZusatz,
     .KVSATZAN = 0_x, .KVSATZAG = 0.0745_x, .pv = {0.01525_x, 0.01525_x, 0.02025_x, 0.01025_x, 0.0025_x},
     .pvJahrAbweichend = false, .pvJahr = {},
     .W1STKL5 = Money::euro(10635), .W2STKL5 = Money::euro(27980), .W3STKL5 = Money::euro(212261),
     .GFB = Money::euro(9168), .SOLZFREI = Money::euro(972),
     .ANPMax = Money::euro(1000), .EFA = Money::euro(1908), .KFBVoll = Money::euro(7620), .KFBHalb = Money::euro(3810),
     .tarif1Bis = Money::euro(14255), .a1 = 980.14_x, .s2 = Money::euro(14254), .tarif2Bis = Money::euro(55961),
     .a2 = 216.16_x, .k2 = 965.58_x, .tarif3Bis = Money::euro(265327), .k3 = 8780.90_x, .k4 = 16740.68_x,
     .solzMilderung = 20_x, .solzSonstMitFreigrenze = false, .mitMBV = false, .mitKVZ = true,
     .fvbHoechstensZVBEZJ = true, .dezemberAbrechnungGegen = ""},
    {.name = "OruSteuern2020", .jahr = 2020,
     .BBGRVWest = Money::euro(82800), .BBGRVOst = Money::euro(77400), .RVSATZAN = 0.093_x,
     .TBSVORV = 0.80_x, .BBGKVPV = Money::euro(56250), .kvAnteil = KvAnteil::HalberZusatz,
     .KVSATZAN = 0_x, .KVSATZAG = 0.0755_x, .pv = {0.01525_x, 0.01525_x, 0.02025_x, 0.01025_x, 0.0025_x},
     .pvJahrAbweichend = false, .pvJahr = {},
     .W1STKL5 = Money::euro(10898), .W2STKL5 = Money::euro(28526), .W3STKL5 = Money::euro(216400),
     .GFB = Money::euro(9408), .SOLZFREI = Money::euro(972),
     .ANPMax = Money::euro(1000), .EFA = Money::euro(1908), .KFBVoll = Money::euro(7812), .KFBHalb = Money::euro(3906),
     .tarif1Bis = Money::euro(14533), .a1 = 972.87_x, .s2 = Money::euro(14532), .tarif2Bis = Money::euro(57052),
     .a2 = 212.02_x, .k2 = 972.79_x, .tarif3Bis = Money::euro(270501), .k3 = 8963.74_x, .k4 = 17078.74_x,
     .solzMilderung = 20_x, .solzSonstMitFreigrenze = false, .mitMBV = false, .mitKVZ = true,
     .fvbHoechstensZVBEZJ = true, .dezemberAbrechnungGegen = ""},
    {.name = "OruSteuern2021", .jahr = 2021,
     .BBGRVWest = Money::euro(85200), .BBGRVOst = Money::euro(80400), .RVSATZAN = 0.093_x,
     .TBSVORV = 0.84_x, .BBGKVPV = Money::euro(58050), .kvAnteil = KvAnteil::HalberZusatz,
     .KVSATZAN = 0_x, .KVSATZAG = 0.0765_x, .pv = {0.01525_x, 0.01525_x, 0.02025_x, 0.01025_x, 0.0025_x},
     .pvJahrAbweichend = false, .pvJahr = {},
     .W1STKL5 = Money::euro(11237), .W2STKL5 = Money::euro(28959), .W3STKL5 = Money::euro(219690),
     .GFB = Money::euro(9744), .SOLZFREI = Money::euro(16956),
     .ANPMax = Money::euro(1000), .EFA = Money::euro(1908), .KFBVoll = Money::euro(8388), .KFBHalb = Money::euro(4194),
     .tarif1Bis = Money::euro(14754), .a1 = 995.21_x, .s2 = Money::euro(14753), .tarif2Bis = Money::euro(57919),
     .a2 = 208.85_x, .k2 = 950.96_x, .tarif3Bis = Money::euro(274613), .k3 = 9136.63_x, .k4 = 17374.99_x,
     .solzMilderung = 11.9_x, .solzSonstMitFreigrenze = true, .mitMBV = false, .mitKVZ = true,
     .fvbHoechstensZVBEZJ = true, .dezemberAbrechnungGegen = ""},
    {.name = "OruSteuern2022", .jahr = 2022,
     .BBGRVWest = Money::euro(84600), .BBGRVOst = Money::euro(81000), .RVSATZAN = 0.093_x,
     .TBSVORV = 0.88_x, .BBGKVPV = Money::euro(58050), .kvAnteil = KvAnteil::HalberZusatz,
     .KVSATZAN = 0_x, .KVSATZAG = 0.0765_x, .pv = {0.01525_x, 0.01525_x, 0.02025_x, 0.01025_x, 0.0035_x},
     .pvJahrAbweichend = false, .pvJahr = {},
     .W1STKL5 = Money::euro(11793), .W2STKL5 = Money::euro(29298), .W3STKL5 = Money::euro(222260),
     .GFB = Money::euro(10347), .SOLZFREI = Money::euro(16956),
     .ANPMax = Money::euro(1200), .EFA = Money::euro(4008), .KFBVoll = Money::euro(8388), .KFBHalb = Money::euro(4194),
     .tarif1Bis = Money::euro(14927), .a1 = 1088.67_x, .s2 = Money::euro(14926), .tarif2Bis = Money::euro(58597),
     .a2 = 206.43_x, .k2 = 869.32_x, .tarif3Bis = Money::euro(277826), .k3 = 9336.45_x, .k4 = 17671.20_x,
     .solzMilderung = 11.9_x, .solzSonstMitFreigrenze = true, .mitMBV = true, .mitKVZ = true,
     .fvbHoechstensZVBEZJ = true, .dezemberAbrechnungGegen = ""},
    {.name = "OruSteuern2023", .jahr = 2023,
     .BBGRVWest = Money::euro(87600), .BBGRVOst = Money::euro(85200), .RVSATZAN = 0.093_x,
     .TBSVORV = 1.00_x, .BBGKVPV = Money::euro(59850), .kvAnteil = KvAnteil::HalberZusatz,
     .KVSATZAN = 0_x, .KVSATZAG = 0.078_x, .pv = {0.01525_x, 0.01525_x, 0.02025_x, 0.01025_x, 0.0035_x},
     .pvJahrAbweichend = false, .pvJahr = {},
     .W1STKL5 = Money::euro(12485), .W2STKL5 = Money::euro(31404), .W3STKL5 = Money::euro(222260),
     .GFB = Money::euro(10908), .SOLZFREI = Money::euro(17543),
     .ANPMax = Money::euro(1230), .EFA = Money::euro(4260), .KFBVoll = Money::euro(8952), .KFBHalb = Money::euro(4476),
     .tarif1Bis = Money::euro(16000), .a1 = 979.18_x, .s2 = Money::euro(15999), .tarif2Bis = Money::euro(62810),
     .a2 = 192.59_x, .k2 = 966.53_x, .tarif3Bis = Money::euro(277826), .k3 = 9972.98_x, .k4 = 18307.73_x,
     .solzMilderung = 11.9_x, .solzSonstMitFreigrenze = true, .mitMBV = true, .mitKVZ = true,
     .fvbHoechstensZVBEZJ = true, .dezemberAbrechnungGegen = ""},
    // July to December 2023: the care rates of the reform of 1 July 2023.
    {.name = "OruSteuern0723", .jahr = 2023,
     .BBGRVWest = Money::euro(87600), .BBGRVOst = Money::euro(85200), .RVSATZAN = 0.093_x,
     .TBSVORV = 1.00_x, .BBGKVPV = Money::euro(59850), .kvAnteil = KvAnteil::HalberZusatz,
     .KVSATZAN = 0_x, .KVSATZAG = 0.078_x, .pv = {0.017_x, 0.017_x, 0.022_x, 0.012_x, 0.006_x},
     .pvJahrAbweichend = true, .pvJahr = {0.016125_x, 0.016125_x, 0.021125_x, 0.011125_x, 0.00475_x},
     .W1STKL5 = Money::euro(12485), .W2STKL5 = Money::euro(31404), .W3STKL5 = Money::euro(222260),
     .GFB = Money::euro(10908), .SOLZFREI = Money::euro(17543),
     .ANPMax = Money::euro(1230), .EFA = Money::euro(4260), .KFBVoll = Money::euro(8952), .KFBHalb = Money::euro(4476),
     .tarif1Bis = Money::euro(16000), .a1 = 979.18_x, .s2 = Money::euro(15999), .tarif2Bis = Money::euro(62810),
     .a2 = 192.59_x, .k2 = 966.53_x, .tarif3Bis = Money::euro(277826), .k3 = 9972.98_x, .k4 = 18307.73_x,
     .solzMilderung = 11.9_x, .solzSonstMitFreigrenze = true, .mitMBV = true, .mitKVZ = true,
     .fvbHoechstensZVBEZJ = true, .dezemberAbrechnungGegen = ""},
    // From February 2024 with the care-insurance reductions for children.
    {.name = "OruSteuern2024", .jahr = 2024,
     .BBGRVWest = Money::euro(90600), .BBGRVOst = Money::euro(89400), .RVSATZAN = 0.093_x,
     .TBSVORV = 1.00_x, .BBGKVPV = Money::euro(62100), .kvAnteil = KvAnteil::HalberZusatz,
     .KVSATZAN = 0_x, .KVSATZAG = 0.0785_x, .pv = {0.017_x, 0.017_x, 0.022_x, 0.012_x, 0.006_x},
     .pvJahrAbweichend = false, .pvJahr = {},
     .W1STKL5 = Money::euro(13279), .W2STKL5 = Money::euro(33380), .W3STKL5 = Money::euro(222260),
     .GFB = Money::euro(11604), .SOLZFREI = Money::euro(18130),
     .ANPMax = Money::euro(1230), .EFA = Money::euro(4260), .KFBVoll = Money::euro(9312), .KFBHalb = Money::euro(4656),
     .tarif1Bis = Money::euro(17006), .a1 = 922.98_x, .s2 = Money::euro(17005), .tarif2Bis = Money::euro(66761),
     .a2 = 181.19_x, .k2 = 1025.38_x, .tarif3Bis = Money::euro(277826), .k3 = 10602.13_x, .k4 = 18936.88_x,
     .solzMilderung = 11.9_x, .solzSonstMitFreigrenze = true, .mitMBV = true, .mitKVZ = true,
     .fvbHoechstensZVBEZJ = true, .dezemberAbrechnungGegen = "",
     .pvAbschlagJeKind = 0.0025_x},
    // December 2024: the retroactive relief of the year (basic allowance 11,784, child allowance
    // 9,540, first class V limit 13,432, new tariff) settled against January to November.
    {.name = "OruSteuern1224", .jahr = 2024,
     .BBGRVWest = Money::euro(90600), .BBGRVOst = Money::euro(89400), .RVSATZAN = 0.093_x,
     .TBSVORV = 1.00_x, .BBGKVPV = Money::euro(62100), .kvAnteil = KvAnteil::HalberZusatz,
     .KVSATZAN = 0_x, .KVSATZAG = 0.0785_x, .pv = {0.017_x, 0.017_x, 0.022_x, 0.012_x, 0.006_x},
     .pvJahrAbweichend = false, .pvJahr = {},
     .W1STKL5 = Money::euro(13432), .W2STKL5 = Money::euro(33380), .W3STKL5 = Money::euro(222260),
     .GFB = Money::euro(11784), .SOLZFREI = Money::euro(18130),
     .ANPMax = Money::euro(1230), .EFA = Money::euro(4260), .KFBVoll = Money::euro(9540), .KFBHalb = Money::euro(4770),
     .tarif1Bis = Money::euro(17006), .a1 = 954.80_x, .s2 = Money::euro(17005), .tarif2Bis = Money::euro(66761),
     .a2 = 181.19_x, .k2 = 991.21_x, .tarif3Bis = Money::euro(277826), .k3 = 10636.31_x, .k4 = 18971.06_x,
     .solzMilderung = 11.9_x, .solzSonstMitFreigrenze = true, .mitMBV = true, .mitKVZ = true,
     .fvbHoechstensZVBEZJ = true, .dezemberAbrechnungGegen = "OruSteuern2024",
     .pvAbschlagJeKind = 0.0025_x},
    // 2025: one pension ceiling for all of Germany, no multi-year pay.
    {.name = "OruSteuern2025", .jahr = 2025,
     .BBGRVWest = Money::euro(96600), .BBGRVOst = Money::euro(96600), .RVSATZAN = 0.093_x,
     .TBSVORV = 1.00_x, .BBGKVPV = Money::euro(66150), .kvAnteil = KvAnteil::HalberZusatz,
     .KVSATZAN = 0_x, .KVSATZAG = 0.0825_x, .pv = {0.018_x, 0.018_x, 0.023_x, 0.013_x, 0.006_x},
     .pvJahrAbweichend = false, .pvJahr = {},
     .W1STKL5 = Money::euro(13785), .W2STKL5 = Money::euro(34240), .W3STKL5 = Money::euro(222260),
     .GFB = Money::euro(12096), .SOLZFREI = Money::euro(19950),
     .ANPMax = Money::euro(1230), .EFA = Money::euro(4260), .KFBVoll = Money::euro(9600), .KFBHalb = Money::euro(4800),
     .tarif1Bis = Money::euro(17444), .a1 = 932.30_x, .s2 = Money::euro(17443), .tarif2Bis = Money::euro(68481),
     .a2 = 176.64_x, .k2 = 1015.13_x, .tarif3Bis = Money::euro(277826), .k3 = 10911.92_x, .k4 = 19246.67_x,
     .solzMilderung = 11.9_x, .solzSonstMitFreigrenze = true, .mitMBV = true, .mitKVZ = true,
     .fvbHoechstensZVBEZJ = true, .dezemberAbrechnungGegen = "",
     .pvAbschlagJeKind = 0.0025_x, .rvEinheitlich = true, .mitVMT = false,
     .versorgungstabelle = Versorgungstabelle::Ab2025},
    // 2026: the rebuilt provision lump sum.
    {.name = "OruSteuern2026", .jahr = 2026,
     .BBGRVWest = Money::euro(101400), .BBGRVOst = Money::euro(101400), .RVSATZAN = 0.093_x,
     .TBSVORV = 1.00_x, .BBGKVPV = Money::euro(69750), .kvAnteil = KvAnteil::HalberZusatz,
     .KVSATZAN = 0_x, .KVSATZAG = 0_x, .pv = {0.018_x, 0_x, 0.023_x, 0_x, 0.006_x},
     .pvJahrAbweichend = false, .pvJahr = {},
     .W1STKL5 = Money::euro(14071), .W2STKL5 = Money::euro(34939), .W3STKL5 = Money::euro(222260),
     .GFB = Money::euro(12348), .SOLZFREI = Money::euro(20350),
     .ANPMax = Money::euro(1230), .EFA = Money::euro(4260), .KFBVoll = Money::euro(9756), .KFBHalb = Money::euro(4878),
     .tarif1Bis = Money::euro(17800), .a1 = 914.51_x, .s2 = Money::euro(17799), .tarif2Bis = Money::euro(69879),
     .a2 = 173.10_x, .k2 = 1034.87_x, .tarif3Bis = Money::euro(277826), .k3 = 11135.63_x, .k4 = 19470.38_x,
     .solzMilderung = 11.9_x, .solzSonstMitFreigrenze = true, .mitMBV = true, .mitKVZ = true,
     .fvbHoechstensZVBEZJ = true, .dezemberAbrechnungGegen = "",
     .pvAbschlagJeKind = 0.0025_x, .rvEinheitlich = true, .mitVMT = false,
     .versorgungstabelle = Versorgungstabelle::Ab2025, .vorsorge2026 = true,
     .BBGRVALV = Money::euro(101400), .AVSATZAN = 0.013_x},
    // clang-format on
};

}  // namespace

std::span<const JahrAb2014> JahreAb2014() { return kJahre; }

const JahrAb2014* JahrAb2014NachName(std::string_view name) {
  for (const JahrAb2014& j : kJahre)
    if (j.name == name) return &j;
  return nullptr;
}

Money OruSteuernAb2014::Tarifsteuer(Money zvE, int KZTAB) const {
  return pap::Tarifsteuer(Tarif(), zvE, KZTAB);
}

bool OruSteuernAb2014::NimmtEingabe(std::string_view name) const {
  static constexpr std::string_view kImmer[] = {
      "AF",  "AJAHR", "ALTER1", "F",     "JFREIB",   "JHINZU",  "JRE4",  "JVBEZ",
      "KRV", "LZZ",   "LZZFREIB", "LZZHINZU", "PKPV", "PKV", "PVS", "PVZ", "R", "RE4", "SONSTB",
      "STKL", "VBEZ", "VBEZM",  "VBEZS",  "VBS",   "VJAHR",   "ZKF",   "ZMVB",
      "JRE4ENT", "SONSTENT", "STERBE"};
  for (std::string_view n : kImmer)
    if (n == name) return true;
  return (name == "MBV" && w_->mitMBV) || (name == "KVZ" && w_->mitKVZ) ||
         ((name == "VMT" || name == "ENTSCH" || name == "VKAPA") && w_->mitVMT) ||
         (name == "PVA" && w_->pvAbschlagJeKind > 0) ||
         ((name == "ALV" || name == "PKPVAGZ") && w_->vorsorge2026);
}

Money OruSteuernAb2014::LohnsteuerLfd(const LohnsteuerEingabe& e) {
  *this = OruSteuernAb2014(*w_);
  STKL = e.STKL;
  if (STKL == 0) return Money();

  AJAHR = e.AJAHR;
  VJAHR = e.VJAHR;
  ZMVB = e.ZMVB;
  LZZ = e.LZZ;
  KRV = e.KRV;
  PKV = e.PKV;
  ALTER1 = e.ALTER1;
  AF = e.AF;
  PVS = e.PVS;
  PVZ = e.PVZ;
  PVA = e.PVA;
  ALV = e.ALV;
  // The count of child allowances has one decimal; held exactly from here on.
  ZKF = Money::runde(Ext::vonFloat(e.ZKF));
  f = e.f;
  if (w_->mitKVZ) KVZ = e.KVZ;
  RE4 = cent(e.RE4);
  if (e.FreibetragLzz >= 0)
    LZZFREIB = cent(e.FreibetragLzz);
  else
    LZZHINZU = cent(-e.FreibetragLzz);
  if (e.FreibetragJahr >= 0)
    JFREIB = cent(e.FreibetragJahr);
  else
    JHINZU = cent(-e.FreibetragJahr);
  VMT = cent(e.VMT);
  VBEZ = cent(e.VBEZ);
  VBS = cent(e.VBS);
  VBEZM = cent(e.VBEZM);
  VBEZS = cent(e.VBEZS);
  JVBEZ = cent(e.JVBEZ);
  STERBE = cent(e.STERBE);
  VKAPA = cent(e.VKAPA);
  PKPV = cent(e.PKPV);
  ENTSCH = cent(e.ENTSCH);
  JRE4ENT = cent(e.JRE4ENT);
  SONSTENT = cent(e.SONSTENT);
  if (w_->mitMBV) MBV = cent(e.MBV);
  PKPVAGZ = cent(e.PKPVAGZ);
  if (!w_->mitVMT) VMT = ENTSCH = VKAPA = Money();

  MPARA();
  MRE4JL();
  VBEZBSO = Money();
  KENNVMT = 0;
  MRE4();
  MRE4ABZ();
  if (w_->dezemberAbrechnungGegen.empty()) {
    MBERECH();
  } else if (const JahrAb2014* alt = JahrAb2014NachName(w_->dezemberAbrechnungGegen)) {
    DezemberAbrechnung(*alt);
  } else {
    MBERECH();
  }
  return euro(LSTLZZ);
}

// The relief of a whole year reaches the employee through December: the year is computed with the
// old values and with the new ones, and December carries the new monthly amount less eleven
// months' overpayment, never below 0. An annual pay period takes the new values without more.
void OruSteuernAb2014::DezemberAbrechnung(const JahrAb2014& alt) {
  const Money ZRE4VPM = ZRE4VP;
  t_ = &alt;
  MBERECH();
  const Money lstAlt = JWLST, solzAlt = JWSOLZ, bkAlt = JWBK;

  t_ = w_;
  ZRE4VP = ZRE4VPM;
  MBERECH();
  if (LZZ == 1) return;

  auto dezember = [this](Money alt, Money neu) {
    JW = Money::runde(neu - (alt - neu) * 11);
    if (JW < 0) return Money();
    UPANTEIL();
    return ANTEIL1;
  };
  LSTLZZ = dezember(lstAlt, JWLST);
  SOLZLZZ = dezember(solzAlt, JWSOLZ);
  BKPeriode = dezember(bkAlt, JWBK);
}

void OruSteuernAb2014::MPARA() {
  if (w_->rvEinheitlich) {
    if (KRV < 1) BBGRV = w_->BBGRVWest;
    RVSATZAN = w_->RVSATZAN;
    TBSVORV = w_->TBSVORV;
  } else if (KRV < 2) {
    BBGRV = KRV == 0 ? w_->BBGRVWest : w_->BBGRVOst;
    RVSATZAN = w_->RVSATZAN;
    TBSVORV = w_->TBSVORV;
  }
  BBGKVPV = w_->BBGKVPV;
  switch (w_->kvAnteil) {
    case KvAnteil::Fest: KVSATZAN = w_->KVSATZAN; break;
    case KvAnteil::GanzerZusatz: KVSATZAN = KVZ / 100 + 0.07_x; break;
    case KvAnteil::HalberZusatz: KVSATZAN = KVZ / 2 / 100 + 0.07_x; break;
  }
  KVSATZAG = w_->KVSATZAG;
  const PvSaetze& pv = w_->pvJahrAbweichend && LZZ == 1 ? w_->pvJahr : w_->pv;
  PVSATZAN = PVS == 1 ? pv.ANSachsen : pv.AN;
  PVSATZAG = PVS == 1 ? pv.AGSachsen : pv.AG;
  if (PVZ == 1)
    PVSATZAN = PVSATZAN + pv.Zuschlag;
  else
    PVSATZAN = PVSATZAN - w_->pvAbschlagJeKind * PVA;
  SOLZFREI = w_->SOLZFREI;
}

// Annual amounts from the pay of the period.
void OruSteuernAb2014::MRE4JL() {
  auto jahr = [this](Money betrag) -> Money {
    switch (LZZ) {
      case 1: return ab(2, betrag / 100);
      case 2: return ab(2, betrag * 12 / 100);
      case 3: return ab(2, betrag * 360 / 700);
      default: return ab(2, betrag * 360 / 100);
    }
  };
  ZRE4J = jahr(RE4);
  ZVBEZJ = jahr(VBEZ);
  JLFREIB = jahr(LZZFREIB);
  JLHINZU = jahr(LZZHINZU);
  if (AF == 0) f = Money::euro(1);
}

// Allowance for pension payments and its supplement.
void OruSteuernAb2014::MRE4() {
  if (ZVBEZJ == 0) {
    FVBZ = FVB = FVBZSO = FVBSO = Money();
  } else {
    const Versorgungstabelle tab = w_->versorgungstabelle;
    const int J = TabIndex(VJAHR, tab);
    if (LZZ == 1) {
      VBEZB = Money::runde(VBEZM * ZMVB + VBEZS);
      // Whole euros already until 2024; the tables of 2025 on need the rounding up.
      HFVB = auf(0, TAB(2, J, tab) / 12 * ZMVB);
      FVBZ = auf(0, TAB(3, J, tab) / 12 * ZMVB);
    } else {
      VBEZB = ab(2, VBEZM * 12 + VBEZS);
      HFVB = TAB(2, J, tab);
      FVBZ = TAB(3, J, tab);
    }
    FVB = auf(2, VBEZB * TAB(1, J, tab) / 100);
    if (FVB > HFVB) FVB = HFVB;
    if (w_->fvbHoechstensZVBEZJ && FVB > ZVBEZJ) FVB = ZVBEZJ;
    FVBSO = auf(2, FVB + VBEZBSO * TAB(1, J, tab) / 100);
    if (FVBSO > TAB(2, J, tab)) FVBSO = TAB(2, J, tab);
    HFVBZSO = ab(2, (VBEZB + VBEZBSO) / 100 - FVBSO);
    FVBZSO = auf(0, FVBZ + VBEZBSO / 100);
    if (FVBZSO > HFVBZSO) FVBZSO = auf(0, HFVBZSO);
    if (FVBZSO > TAB(3, J, tab)) FVBZSO = TAB(3, J, tab);
    HFVBZ = ab(2, VBEZB / 100 - FVB);
    if (FVBZ > HFVBZ) FVBZ = auf(0, HFVBZ);
  }
  MRE4ALTE();
}

// Age relief.
void OruSteuernAb2014::MRE4ALTE() {
  if (ALTER1 == 0) {
    ALTE = Money();
    return;
  }
  const Versorgungstabelle tab = w_->versorgungstabelle;
  const int K = TabIndex(AJAHR, tab);
  ALTE = auf(0, (ZRE4J - ZVBEZJ) * TAB(4, K, tab));
  if (ALTE > TAB(5, K, tab)) ALTE = TAB(5, K, tab);
}

void OruSteuernAb2014::MRE4ABZ() {
  ZRE4 = ab(2, ZRE4J - FVB - ALTE - JLFREIB + JLHINZU);
  if (ZRE4 < 0) ZRE4 = Money();
  ZRE4VP = ZRE4J;
  if (KENNVMT == 2) ZRE4VP = ab(2, ZRE4VP - ENTSCH / 100);
  ZVBEZ = ab(2, ZVBEZJ - FVB);
  if (ZVBEZ < 0) ZVBEZ = Money();
}

void OruSteuernAb2014::MBERECH() {
  MZTABFB();
  MLSTJAHR();
  LSTJAHR = ab(0, ST * f);
  JW = JWLST = Money::runde(LSTJAHR * 100);
  UPANTEIL();
  LSTLZZ = ANTEIL1;
  // Surcharge and church tax are levied on the tax after the child allowances.
  if (ZKF > 0) {
    ZTABFB = ZTABFB + KFB;
    MRE4ABZ();
    MLSTJAHR();
    JBMG = ab(0, ST * f);
  } else {
    JBMG = LSTJAHR;
  }
  MSOLZ();
}

// Table allowances: employee and pension lump sums, single-parent relief, special-expenses lump
// sum, child allowances.
void OruSteuernAb2014::MZTABFB() {
  ANP = Money();
  if (ZVBEZ >= 0 && ZVBEZ < FVBZ) FVBZ = Money::runde(Int(ZVBEZ));
  if (STKL < 6) {
    if (ZVBEZ > 0) ANP = ZVBEZ - FVBZ < 102 ? auf(0, ZVBEZ - FVBZ) : Money::euro(102);
  } else {
    FVBZ = Money();
    FVBZSO = Money();
  }
  if (STKL < 6 && ZRE4 > ZVBEZ) {
    if (ZRE4 - ZVBEZ < t_->ANPMax)
      ANP = auf(0, ANP + ZRE4 - ZVBEZ);
    else
      ANP = ANP + t_->ANPMax;
  }
  KZTAB = 1;
  switch (STKL) {
    case 1: SAP = Money::euro(36); KFB = ab(0, ZKF * t_->KFBVoll); break;
    case 2:
      EFA = t_->EFA;
      SAP = Money::euro(36);
      KFB = ab(0, ZKF * t_->KFBVoll);
      break;
    case 3:
      KZTAB = 2;
      SAP = Money::euro(36);
      KFB = ab(0, ZKF * t_->KFBVoll);
      break;
    case 4: SAP = Money::euro(36); KFB = ab(0, ZKF * t_->KFBHalb); break;
    case 5: SAP = Money::euro(36); KFB = Money(); break;
    default: KFB = Money(); break;
  }
  ZTABFB = ab(2, EFA + ANP + SAP + FVBZ);
}

// Annual tax, with the one-fifth rule for multi-year pay (KENNVMT 1).
void OruSteuernAb2014::MLSTJAHR() {
  UPEVP();
  if (KENNVMT != 1) {
    ZVE = ab(2, ZRE4 - ZTABFB - VSP);
    UPMLST();
    return;
  }
  ZVE = ab(2, ZRE4 - ZTABFB - VSP - VMT / 100 - VKAPA / 100);
  if (ZVE < 0) {
    ZVE = ab(2, (ZVE + VMT / 100 + VKAPA / 100) / 5);
    UPMLST();
    ST = ab(0, ST * 5);
  } else {
    UPMLST();
    STOVMT = ST;
    ZVE = ab(2, ZVE + (VMT + VKAPA) / 500);
    UPMLST();
    ST = ab(0, (ST - STOVMT) * 5 + STOVMT);
  }
}

void OruSteuernAb2014::UPMLST() {
  if (ZVE < 1) {
    ZVE = Money();
    X = Money();
  } else {
    X = ab(0, ZVE / KZTAB);
  }
  if (STKL < 5)
    UPTAB();
  else
    MST5_6();
}

// Provision lump sum: pension part, minimum lump sum, health and care part.
void OruSteuernAb2014::UPEVP() {
  if (w_->vorsorge2026) return UPEVP2026();
  if (w_->rvEinheitlich ? KRV == 1 : KRV > 1) {
    VSP1 = Money();
  } else {
    if (ZRE4VP > BBGRV) ZRE4VP = BBGRV;
    VSP1 = ab(2, TBSVORV * ZRE4VP);
    VSP1 = ab(2, VSP1 * RVSATZAN);
  }
  VSP2 = ab(2, ZRE4VP * 0.12_x);
  VHB = STKL == 3 ? Money::euro(3000) : Money::euro(1900);
  if (VSP2 > VHB) VSP2 = VHB;
  VSPN = auf(0, VSP1 + VSP2);
  MVSP();
  if (VSPN > VSP) VSP = ab(2, VSPN);
}

void OruSteuernAb2014::MVSP() {
  if (ZRE4VP > BBGKVPV) ZRE4VP = BBGKVPV;
  if (PKV > 0) {
    if (STKL == 6) {
      VSP3 = Money();
    } else {
      VSP3 = Money::runde(PKPV * 12 / 100);
      if (PKV == 2) VSP3 = ab(2, VSP3 - ZRE4VP * (KVSATZAG + PVSATZAG));
    }
  } else {
    VSP3 = ab(2, ZRE4VP * (KVSATZAN + PVSATZAN));
  }
  VSP = auf(0, VSP3 + VSP1);
}

// The tariff of the pass being computed.
pap::Tarif OruSteuernAb2014::Tarif() const {
  const JahrAb2014& t = *t_;
  return {.zone2Ab = t.GFB + Money::euro(1), .s1 = t.GFB, .a1 = t.a1, .c1 = 1400,
          .zone3Ab = t.tarif1Bis, .s2 = t.s2, .a2 = t.a2, .c2 = 2397, .k2 = t.k2,
          .zone4Ab = t.tarif2Bis, .satz4 = 0.42_x, .k3 = t.k3,
          .zone5Ab = t.tarif3Bis, .k4 = t.k4,
          .W1STKL5 = t.W1STKL5, .W2STKL5 = t.W2STKL5, .W3STKL5 = t.W3STKL5,
          .satz5_6 = 0.42_x, .mindestSatz = 0.14_x, .x56GanzeEuro = w_->vorsorge2026};
}

// The provision lump sum from 2026: the pension share and the health and care share (for the
// privately insured their premium less the employer's subsidy), at least the pension share plus
// the unemployment share with the health and care share up to 1,900.
void OruSteuernAb2014::UPEVP2026() {
  if (KRV == 1) {
    VSPR = Money();
  } else {
    ZRE4VPR = ZRE4VP > w_->BBGRVALV ? w_->BBGRVALV : ZRE4VP;
    VSPR = ab(2, ZRE4VPR * RVSATZAN);
  }
  ZRE4VPR = ZRE4VP > BBGKVPV ? BBGKVPV : ZRE4VP;
  if (PKV > 0) {
    if (STKL == 6) {
      VSPKVPV = Money();
    } else {
      PKPVAGZJ = ab(2, PKPVAGZ * 12 / 100);
      VSPKVPV = ab(2, PKPV * 12 / 100) - PKPVAGZJ;
      if (VSPKVPV < 0) VSPKVPV = Money();
    }
  } else {
    VSPKVPV = ab(2, ZRE4VPR * (KVSATZAN + PVSATZAN));
  }
  VSP = auf(0, VSPKVPV + VSPR);
  if (ALV == 1 || STKL == 6) return;
  ZRE4VPR = ZRE4VP > w_->BBGRVALV ? w_->BBGRVALV : ZRE4VP;
  VSPALV = ab(2, w_->AVSATZAN * ZRE4VPR);
  VSPHB = ab(2, VSPALV + VSPKVPV);
  if (VSPHB > Money::euro(1900)) VSPHB = Money::euro(1900);
  VSPN = auf(0, VSPR + VSPHB);
  if (VSPN > VSP) VSP = VSPN;
}

// Income-tax tariff of X, times KZTAB.
void OruSteuernAb2014::UPTAB() { ST = Money::runde(pap::UPTAB(Tarif(), X) * KZTAB); }

// Classes V and VI.
void OruSteuernAb2014::MST5_6() { ST = pap::MST5_6(Tarif(), X); }

// Solidarity surcharge of the year and its period share; the period share of the church-tax
// base. The exemption is per KZTAB share, so class III has it twice.
void OruSteuernAb2014::MSOLZ() {
  SOLZFREI = Money::runde(w_->SOLZFREI * KZTAB);
  JWSOLZ = Money();
  if (JBMG > SOLZFREI) {
    SOLZJ = ab(2, JBMG * 5.5_x / 100);
    SOLZMIN = ab(2, (JBMG - SOLZFREI) * w_->solzMilderung / 100);
    if (SOLZMIN < SOLZJ) SOLZJ = SOLZMIN;
    JW = JWSOLZ = ab(0, SOLZJ * 100);
    UPANTEIL();
    SOLZLZZ = ANTEIL1;
  } else {
    SOLZLZZ = Money();
  }
  JW = JWBK = Money::runde(JBMG * 100);
  UPANTEIL();
  BKPeriode = ANTEIL1;
}

// Period share of the annual cent amount JW.
void OruSteuernAb2014::UPANTEIL() {
  ANTEIL1 = pap::ANTEIL1(JW, LZZ);
}

Money OruSteuernAb2014::SolzLfd() {
  if (STKL == 0) return Money();
  return euro(SOLZLZZ);
}

Money OruSteuernAb2014::KirchensteuerLfd(int pflichtig, int land, int art, int anteil,
                                         Money kappungsBasis, Money sonderSatz) {
  if (STKL == 0) return Money();
  BK = pflichtig == 0 ? Money() : BKPeriode;
  if (pflichtig == 0) return Money();
  return Kirchensteuer({pflichtig, land, art, anteil, kappungsBasis, sonderSatz}, BK, LZZ,
                       LSTLZZ > 0);
}

// From here on the calculation is annual.
void OruSteuernAb2014::MSONSTVorspann() {
  LZZ = 1;
  if (ZMVB == 0) ZMVB = 12;
}

Money OruSteuernAb2014::LohnsteuerEB(Money sonstb, Money jre4, Money jvbez, Money vbs) {
  MSONSTVorspann();
  SONSTB = cent(sonstb);
  JRE4 = cent(jre4);
  JVBEZ = cent(jvbez);
  VBS = cent(vbs);
  if (SONSTB == 0 && MBV == 0) {
    LSTSO = STS = SOLZS = Money();
    return Money();
  }
  MOSONST();
  ZRE4J = ab(2, (JRE4 + SONSTB) / 100);
  ZVBEZJ = ab(2, (JVBEZ + VBS) / 100);
  VBEZBSO = STERBE;
  MRE4SONST();
  MLSTJAHR();
  LSTSO = Money::runde(ST * 100);
  STS = Money::runde(ab(0, (LSTSO - LSTOSO) * f / 100) * 100);
  STSMIN();
  return euro(STS);
}

// A negative tax on the one-time payment: with untaxed employee-share benefits it reduces the
// taxes of the period, otherwise it is dropped.
void OruSteuernAb2014::STSMIN() {
  if (STS >= 0) {
    MSOLZSTS();
    return;
  }
  if (w_->mitMBV && MBV != 0) {
    LSTLZZ = LSTLZZ + STS;
    if (LSTLZZ < 0) LSTLZZ = Money();
    SOLZLZZ = ab(0, SOLZLZZ + STS * 5.5_x / 100);
    if (SOLZLZZ < 0) SOLZLZZ = Money();
    BK = BK + STS;
    if (BK < 0) BK = Money();
  }
  STS = Money();
  SOLZS = Money();
}

// Surcharge on the one-time payment.
void OruSteuernAb2014::MSOLZSTS() {
  if (!w_->solzSonstMitFreigrenze) {
    SOLZS = ab(0, STS * 5.5_x / 100);
    return;
  }
  SOLZSZVE = ZKF > 0 ? ZVE - KFB : ZVE;
  if (SOLZSZVE < 1) {
    SOLZSZVE = Money();
    X = Money();
  } else {
    X = ab(0, SOLZSZVE / KZTAB);
  }
  if (STKL < 5)
    UPTAB();
  else
    MST5_6();
  SOLZSBMG = ab(0, ST * f);
  SOLZS = SOLZSBMG > SOLZFREI ? ab(0, STS * 5.5_x / 100) : Money();
}

// Annual tax without the one-time payment.
void OruSteuernAb2014::MOSONST() {
  ZRE4J = ab(2, JRE4 / 100);
  ZVBEZJ = ab(2, JVBEZ / 100);
  JLFREIB = ab(2, JFREIB / 100);
  JLHINZU = ab(2, JHINZU / 100);
  MRE4();
  MRE4ABZ();
  ZRE4VP = ZRE4VP - Money::runde(JRE4ENT / 100);
  MZTABFB();
  MLSTJAHR();
  LSTOSO = Money::runde(ST * 100);
}

// Deductions with the one-time payment.
void OruSteuernAb2014::MRE4SONST() {
  MRE4();
  FVB = FVBSO;
  MRE4ABZ();
  ZRE4VP = Money::runde(ZRE4VP + MBV / 100 - JRE4ENT / 100 - SONSTENT / 100);
  FVBZ = FVBZSO;
  MZTABFB();
}

Money OruSteuernAb2014::SolzEB() { return euro(SOLZS); }

Money OruSteuernAb2014::KirchensteuerEB(int pflichtig, int land, int art, int anteil,
                                        int basisWahl, Money kappungsBasis, Money sonderSatz) {
  if (pflichtig == 0) return Money();
  const Money basis = basisWahl == 1 ? STV : STS;
  (basisWahl == 1 ? BKV : BKS) = basis;
  return Kirchensteuer({pflichtig, land, art, anteil, kappungsBasis, sonderSatz}, basis, LZZ,
                       basis > 0);
}

// Multi-year pay, taxed by the one-fifth rule unless full taxation is cheaper.
Money OruSteuernAb2014::LohnsteuerVMT(Money sonstb, Money jre4) {
  MSONSTVorspann();
  SONSTB = cent(sonstb);
  JRE4 = cent(jre4);
  if (VKAPA < 0) VKAPA = Money();
  if (VMT + VKAPA <= 0) {
    STV = SOLZV = Money();
    return Money();
  }
  if (LSTSO == 0) {
    MOSONST();
    LST1 = LSTOSO;
  } else {
    LST1 = LSTSO;
  }
  VBEZBSO = STERBE + VKAPA;
  ZRE4J = ab(2, (JRE4 + SONSTB + VMT + VKAPA) / 100);
  ZVBEZJ = ab(2, (JVBEZ + VBS + VKAPA) / 100);
  KENNVMT = 2;
  MRE4SONST();
  MLSTJAHR();
  LST3 = Money::runde(ST * 100);
  MRE4ABZ();
  ZRE4VP = Money::runde(ZRE4VP - JRE4ENT / 100 - SONSTENT / 100);
  KENNVMT = 1;
  MLSTJAHR();
  LST2 = Money::runde(ST * 100);
  STV = LST2 - LST1;
  LST3 = LST3 - LST1;
  if (LST3 < STV) {
    STV = LST3;
    VMTOhneFuenftelung_ = 1;
  }
  if (STV < 0)
    STV = Money();
  else
    STV = Money::runde(ab(0, STV * f / 100) * 100);
  if (w_->solzSonstMitFreigrenze) {
    SOLZVBMG = Money::runde(ab(0, STV / 100) + JBMG);
    SOLZV = SOLZVBMG > SOLZFREI ? ab(0, STV * 5.5_x / 100) : Money();
  } else {
    SOLZV = ab(0, STV * 5.5_x / 100);
  }
  return euro(STV);
}

Money OruSteuernAb2014::SolzVMT() { return euro(SOLZV); }

}  // namespace salvaro
