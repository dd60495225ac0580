#include "wheels/GuaranteedTables.h"

#include "wheels/DesignedTables.h"

#include <array>

// The lines of each table as stored, in order, six letters a literal; the
// stored text is the literals joined. Tables holding a backslash are written
// as raw strings.
//
// Three tables here were copied with one wrong letter each, and broke their
// own promise; the letters below are the mended ones:
//   "16 numbers / 38 lines" line 33 had A for K (DJALMP): DJK, DKL, DKP, JKM,
//     JKP, KLM and KLP lay in no line;
//   "18 numbers / 48 lines" line 8 had H for I (ADHLNQ): ADI, AIL, DIL, ILN,
//     ILQ and INQ lay in no line;
//   "13 numbers / 116 lines" line 93 had I for J (ACGHIL, where the 12-number
//     table has ACGHJL): a draw of A, C, H, J, L and M met no line in five.
// The larger "3-Match for 6" tables built on the first two (34 numbers and
// up) carry the mended letters too.

namespace {

// clang-format off
constexpr std::string_view kThreeForSix21 =
    "ABCDEF" "ABCDEG" "ABCDEH" "ABCDEI" "ABCDEJ" "ABCDEK" "ABCDEL" "FGHIJK" "FGHILM" "FGJKLM" "HIJKLM" "NOPQRS"
    "NOPQTU" "NORSTU" "PQRSTU";

constexpr std::string_view kThreeForSix22 =
    "ABEGIM" "ADHKOQ" "AEIJMN" "AEIMNP" "BDGJNP" "BGHJNP" "BGJKNP" "BGJNOP" "BGJNPQ" "CFLRST" "CFLRUV" "CFSTUV"
    "DEHKOQ" "DHIKOQ" "DHKMOQ" "LRSTUV";

constexpr std::string_view kThreeForSix24 =
    "ACEJRX" "ACGKRU" "ACINUX" "AEGJNU" "AEIKNR" "AGIJKX" "BDHLOS" "BFMQVW" "BHOPST" "CEGKNX" "CEIJKU" "CGIJNR"
    "DFLMPT" "DLPQTV" "DLPTVW" "EGIRUX" "FHMQVW" "FMOQVW" "FMQSVW" "JKNRUX";

constexpr std::string_view kThreeForSix26 =
    "ACEJRX" "ACGKRU" "ACINUX" "AEGJNU" "AEIKNR" "AGIJKX" "BDHOSW" "BFMQVZ" "BHLOSW" "BHOPSW" "BHOSTW" "BHOSWY"
    "CEGKNX" "CEIJKU" "CGIJNR" "DFLPTY" "DLMPTY" "DLPQTY" "DLPTVY" "DLPTYZ" "EGIRUX" "FHMQVZ" "FMOQVZ" "FMQSVZ"
    "FMQVWZ" "JKNRUX";

constexpr std::string_view kThreeForSix27 =
    "ABCDEF" "ABCDGH" "ABCDIJ" "ABCDKL" "ABCDMN" "EFGJMO" "EFHKMN" "EFILNO" "EGHJLN" "EGIKLM" "EHIJKO" "FGHKLO"
    "FGIJKN" "FHIJLM" "GHIMNO" "JKLMNO" "PQRSTU" "PQTUXY" "PQVWZ[" "PQXYZ[" "PRTVXZ" "PRUWY[" "PSTWX[" "PSUVYZ"
    "QRTWYZ" "QRUVX[" "QSTVY[" "QSUWXZ" "RSTUZ[" "RSVWXY" "TUVWXY";

constexpr std::string_view kThreeForSix28 =
    R"(ABCDEF)" R"(ABCDEG)" R"(ABCDEH)" R"(ABCDEI)" R"(ABCDEJ)" R"(ABCDEK)" R"(ABCDEL)" R"(ABCDEM)" R"(ABCDEN)"
    R"(ABCDEO)" R"(FGHKNP)" R"(FGILNO)" R"(FGJMOP)" R"(FHIKMO)" R"(FHJLMN)" R"(FIJKLP)" R"(GHILMP)" R"(GHJKLO)"
    R"(GIJKMN)" R"(HIJNOP)" R"(KLMNOP)" R"(QRSTUV)" R"(QRUVYZ)" R"(QRWX[\)" R"(QRYZ[\)" R"(QSUWY[)" R"(QSVXZ\)"
    R"(QTUXY\)" R"(QTVWZ[)" R"(RSUXZ[)" R"(RSVWY\)" R"(RTUWZ\)" R"(RTVXY[)" R"(STUV[\)" R"(STWXYZ)" R"(UVWXYZ)";

constexpr std::string_view kThreeForThree8 =
    "ABCDEF" "ABCDGH" "ABEFGH" "CDEFGH";

constexpr std::string_view kThreeForThree9 =
    "ABCDEF" "ABCDFI" "ABCDGH" "ABCEGI" "ABCEHI" "ABCFGH" "DEFGHI";

constexpr std::string_view kThreeForThree10 =
    "ABCDEF" "ABCDGH" "ABCDIJ" "ABCEGI" "ABCEHJ" "ABCFHI" "ABCFGJ" "DEGHIJ" "DFGHIJ" "EFGHIJ";

constexpr std::string_view kThreeForThree11 =
    "ABCFIK" "ABDGIJ" "ABEHJK" "ACDFHJ" "ACEGHI" "ADEFGK" "BCDGHK" "BCEFGJ" "BDEFHI" "CDEIJK" "FGHIJK";

constexpr std::string_view kThreeForThree12 =
    "ABCDEF" "ABEFIJ" "ABGHKL" "ABIJKL" "ACEGIK" "ACFHJL" "ADEHIL" "ADFGJK" "BCEHJK" "BCFGIL" "BDEGJL" "BDFHIK"
    "CDEFKL" "CDGHIJ" "EFGHIJ";

constexpr std::string_view kThreeForThree13 =
    "ABCDEF" "ABCGHI" "ABDHJK" "ABDJLM" "ACFHLM" "ACFIJK" "ADEGIK" "AEFGHJ" "AEGHLM" "AEIKLM" "BCEGJK" "BCGKLM"
    "BDFGIJ" "BDHILM" "BEFHIK" "BEFILM" "CDEHIJ" "CDEJLM" "CDFGHK" "CGIJLM" "DFGKLM" "FHJKLM";

constexpr std::string_view kThreeForThree14 =
    "ABCDEF" "ABCFJL" "ABCGHI" "ABCKMN" "ACDEIN" "ACDGHL" "ACDJKM" "ACEGHJ" "ACEKLM" "ACFGHN" "ACFIKM" "ACGHKM"
    "ACIJLN" "BDEFHM" "BDGJMN" "BDIKLM" "BEGHLN" "BEHIJK" "BFGIKN" "DEGJKL" "DFGHIJ" "DFHKLN" "EFGILM" "EFJKMN"
    "HIJLMN";

constexpr std::string_view kThreeForThree15 =
    "ABCDEF" "ABCGHI" "ABCJKL" "ABCMNO" "ABDGJM" "ABDHKN" "ABDILO" "ABEGKO" "ABEHLM" "ABEIJN" "ABFGLN" "ABFHJO"
    "ABFIKM" "CDEGLN" "CDEHJO" "CDEIKM" "CDFGKO" "CDFHLM" "CDFIJN" "CEFGJM" "CEFHKN" "CEFILO" "DGHIJM" "DGJKLM"
    "DGJMNO" "EGHIKN" "EHJKLN" "EHKMNO" "FGHILO" "FIJKLO" "FILMNO";

constexpr std::string_view kThreeForThree16 =
    "ABCGKL" "ABDHMN" "ABEINO" "ABFJOP" "ACDEFL" "ACDHKO" "ACDIMP" "ACIJKN" "ADGHJL" "AEGHKP" "AEHJLM" "AFGLNP"
    "AFHIKM" "AGILMO" "BCDEJP" "BCEFHN" "BCEKMO" "BCFKNP" "BCHILP" "BDFGIK" "BDFLMO" "BEGJLN" "BGHJKO" "BGIJMP"
    "CDGNOP" "CEFGIO" "CFGHJM" "CJLMNO" "DEGKMN" "DEHIJO" "DFHJNP" "DGHILN" "DJKLMP" "EFIJKL" "EFIMNP" "EHLMOP"
    "FHKLNO" "GIKMOP";

constexpr std::string_view kThreeForThree18 =
    "ABCDEF" "ABCGHI" "ABCJKL" "ABCMNO" "ABCPQR" "ADGJMP" "ADHKOR" "ADILNQ" "AEGLNR" "AEHLOP" "AEIJOQ" "AEIKMR"
    "AFGKOQ" "AFHJNR" "AFHLMQ" "AFIKNP" "BDGLOQ" "BDHLMR" "BDIJNR" "BDIKOP" "BEGJOR" "BEHKNQ" "BEILMP" "BFGKMR"
    "BFGLNP" "BFHJOP" "BFIJMQ" "CDGKNR" "CDHJOQ" "CDHLNP" "CDIKMQ" "CEGKOP" "CEGLMQ" "CEHJMR" "CEIJNP" "CFGJNQ"
    "CFHKMP" "CFILOR" "DEFGHI" "DEFJKL" "DEFMNO" "DEFPQR" "GHIJKL" "GHIMNO" "GHIPQR" "JKLMNO" "JKLPQR" "MNOPQR";

constexpr std::string_view kFiveForSix12 =
    "ABCDEF" "CDEFGH" "ABDEHI" "ABCFGJ" "ABCDIJ" "ABGHIJ" "ACDEGK" "ACDFHK" "ACGHIK" "ADEFJK" "AEGIJK" "AFHIJK"
    "ACDEHL" "ADEFIL" "ACEFJL" "BDGHJL" "AEHIJL" "ABEFKL" "CDGHKL" "DFGIKL" "DEGJKL" "DFHJKL" "EFIJKL" "ABCDGH"
    "ABCEGI" "ABCFHI" "ABCEHJ" "ABEFIJ" "CDGHIJ" "BCDFGK" "ACEFIK" "BDGHIK" "BCGHJK" "BFGIJK" "BCDEGL" "BCDFHL"
    "BCGHIL" "BDEFJL" "BEGIJL" "BFHIJL" "CDEFKL" "EFGHKL" "DEHIKL" "CFGJKL" "ABIJKL" "GHIJKL" "ABEFGH" "ABDFGI"
    "ABDEGJ" "ABDFHJ" "CDEFIJ" "EFGHIJ" "BCDEHK" "BDEFIK" "BCEFJK" "ADGHJK" "BEHIJK" "ACDFGL" "BCEFIL" "ADGHIL"
    "ACGHJL" "AFGIJL" "ABCDKL" "ABGHKL" "CEGIKL" "CFHIKL" "CEHJKL" "CDIJKL";

constexpr std::string_view kFiveForSix13 =
    "ABCDEF" "CDEFGH" "ABCDGH" "ABCEGI" "ABEFGH" "ABDFGI" "ABDEHI" "ABCFGJ" "ABCDIJ" "ABGHIJ" "ACDEGK" "ACDFHK"
    "ACGHIK" "ADEFJK" "AEGIJK" "AFHIJK" "ACDEHL" "ADEFIL" "ACEFJL" "BDGHJL" "AEHIJL" "ABEFKL" "CDGHKL" "DFGIKL"
    "DEGJKL" "DFHJKL" "EFIJKL" "BDEFGM" "ACDEIM" "BFGHIM" "BEGHJM" "BDGIJM" "ABCEKM" "DFGHKM" "EFGIKM" "EFHJKM"
    "ABDELM" "CFGHLM" "EFHILM" "EFGJLM" "ACGKLM" "ADHKLM" "BEJKLM" "ABCFHI" "ABCEHJ" "ABEFIJ" "CDGHIJ" "BCDFGK"
    "ACEFIK" "BDGHIK" "BCGHJK" "BFGIJK" "BCDEGL" "BCDFHL" "BCGHIL" "BDEFJL" "BEGIJL" "BFHIJL" "CDEFKL" "EFGHKL"
    "DEHIKL" "CFGJKL" "ABIJKL" "GHIJKL" "BCEFHM" "BCDFIM" "BCDEJM" "AFGHJM" "BCHIJM" "ABDFKM" "ABGIKM" "ABHJKM"
    "CEIJKM" "ABCFLM" "ABHILM" "ABGJLM" "DEIJLM" "BDGKLM" "AEIKLM" "AFJKLM" "ABDEGJ" "ABDFHJ" "CDEFIJ" "EFGHIJ"
    "BCDEHK" "BDEFIK" "BCEFJK" "ADGHJK" "BEHIJK" "ACDFGL" "BCEFIL" "ADGHIL" "ACGHJL" "AFGIJL" "ABCDKL" "ABGHKL"
    "CEGIKL" "CFHIKL" "CEHJKL" "CDIJKL" "ACEFGM" "ADEFHM" "AEGHIM" "ACDFJM" "ACGIJM" "ADHIJM" "CEGHKM" "CDGIKM"
    "CDHJKM" "DFIJKM" "DEGHLM" "CDHILM" "CDGJLM" "CFIJLM" "BCHKLM" "BFIKLM";
// clang-format on

} // namespace

std::span<const GuaranteedWheel> GuaranteedWheels()
{
    // clang-format off
    static const std::array<GuaranteedWheel, kGuaranteedWheelCount> wheels{{
        {WheelFamily::ThreeForSix, 0, "21 numbers / 15 lines", 21, 15, 6, 3, {{13, 11}, {8, 4}}, kThreeForSix21},
        {WheelFamily::ThreeForSix, 1, "22 numbers / 16 lines", 22, 16, 6, 3, {{14, 12}, {8, 4}}, kThreeForSix22},
        {WheelFamily::ThreeForSix, 2, "24 numbers / 20 lines", 24, 20, 6, 3, {{11, 11}, {13, 9}}, kThreeForSix24},
        {WheelFamily::ThreeForSix, 3, "26 numbers / 26 lines", 26, 26, 6, 3, {{11, 11}, {15, 15}}, kThreeForSix26},
        {WheelFamily::ThreeForSix, 4, "27 numbers / 31 lines", 27, 31, 6, 3, {{15, 16}, {12, 15}}, kThreeForSix27},
        {WheelFamily::ThreeForSix, 5, "28 numbers / 36 lines", 28, 36, 6, 3, {{16, 21}, {12, 15}}, kThreeForSix28},
        {WheelFamily::ThreeForSix, 6, "30 numbers / 46 lines", 30, 46, 6, 3, {{16, 21}, {14, 25}}, DesignedThreeForSix(30)},
        {WheelFamily::ThreeForSix, 7, "32 numbers / 57 lines", 32, 57, 6, 3, {{17, 26}, {15, 31}}, DesignedThreeForSix(32)},
        {WheelFamily::ThreeForSix, 8, "34 numbers / 65 lines", 34, 65, 6, 3, {{16, 38}, {18, 27}}, DesignedThreeForSix(34)},
        {WheelFamily::ThreeForSix, 9, "36 numbers / 75 lines", 36, 75, 6, 3, {{18, 48}, {18, 27}}, DesignedThreeForSix(36)},
        {WheelFamily::ThreeForSix, 10, "38 numbers / 87 lines", 38, 87, 6, 3, {{18, 48}, {20, 39}}, DesignedThreeForSix(38)},
        {WheelFamily::ThreeForSix, 11, "40 numbers / 102 lines", 40, 102, 6, 3, {{18, 48}, {22, 54}}, DesignedThreeForSix(40)},
        {WheelFamily::ThreeForSix, 12, "41 numbers / 113 lines", 41, 113, 6, 3, {{23, 65}, {18, 48}}, DesignedThreeForSix(41)},
        {WheelFamily::ThreeForSix, 13, "42 numbers / 122 lines", 42, 122, 6, 3, {{20, 45}, {22, 77}}, DesignedThreeForSix(42)},
        {WheelFamily::ThreeForSix, 14, "43 numbers / 130 lines", 43, 130, 6, 3, {{21, 53}, {22, 77}}, DesignedThreeForSix(43)},
        {WheelFamily::ThreeForSix, 15, "44 numbers / 131 lines", 44, 131, 6, 3, {{22, 77}, {22, 54}}, DesignedThreeForSix(44)},
        {WheelFamily::ThreeForSix, 16, "45 numbers / 142 lines", 45, 142, 6, 3, {{23, 65}, {22, 77}}, DesignedThreeForSix(45)},
        {WheelFamily::ThreeForSix, 17, "46 numbers / 149 lines", 46, 149, 6, 3, {{22, 77}, {24, 72}}, DesignedThreeForSix(46)},
        {WheelFamily::ThreeForSix, 18, "47 numbers / 161 lines", 47, 161, 6, 3, {{25, 84}, {22, 77}}, DesignedThreeForSix(47)},
        {WheelFamily::ThreeForSix, 19, "48 numbers / 165 lines", 48, 165, 6, 3, {{26, 88}, {22, 77}}, DesignedThreeForSix(48)},
        {WheelFamily::ThreeForThree, 0, "8 numbers / 4 lines", 8, 4, 3, 3, {{8, 4}, {}}, kThreeForThree8},
        {WheelFamily::ThreeForThree, 1, "9 numbers / 7 lines", 9, 7, 3, 3, {{9, 7}, {}}, kThreeForThree9},
        {WheelFamily::ThreeForThree, 2, "10 numbers / 10 lines", 10, 10, 3, 3, {{10, 10}, {}}, kThreeForThree10},
        {WheelFamily::ThreeForThree, 3, "11 numbers / 11 lines", 11, 11, 3, 3, {{11, 11}, {}}, kThreeForThree11},
        {WheelFamily::ThreeForThree, 4, "12 numbers / 15 lines", 12, 15, 3, 3, {{12, 15}, {}}, kThreeForThree12},
        {WheelFamily::ThreeForThree, 5, "13 numbers / 22 lines", 13, 22, 3, 3, {{13, 22}, {}}, kThreeForThree13},
        {WheelFamily::ThreeForThree, 6, "14 numbers / 25 lines", 14, 25, 3, 3, {{14, 25}, {}}, kThreeForThree14},
        {WheelFamily::ThreeForThree, 7, "15 numbers / 31 lines", 15, 31, 3, 3, {{15, 31}, {}}, kThreeForThree15},
        {WheelFamily::ThreeForThree, 8, "16 numbers / 38 lines", 16, 38, 3, 3, {{16, 38}, {}}, kThreeForThree16},
        {WheelFamily::ThreeForThree, 9, "18 numbers / 48 lines", 18, 48, 3, 3, {{18, 48}, {}}, kThreeForThree18},
        {WheelFamily::FiveForSix, 0, "12 numbers / 68 lines", 12, 68, 6, 5, {{12, 68}, {}}, kFiveForSix12},
        {WheelFamily::FiveForSix, 1, "13 numbers / 116 lines", 13, 116, 6, 5, {{13, 116}, {}}, kFiveForSix13},
    }};
    // clang-format on
    return wheels;
}

std::span<const GuaranteedWheel> GuaranteedWheels(WheelFamily family)
{
    const auto all = GuaranteedWheels();
    std::size_t first = 0;
    while (first < all.size() && all[first].family != family)
        ++first;
    std::size_t end = first;
    while (end < all.size() && all[end].family == family)
        ++end;
    return all.subspan(first, end - first);
}

const GuaranteedWheel* FindGuaranteedWheel(WheelFamily family, int listIndex)
{
    const auto wheels = GuaranteedWheels(family);
    if (listIndex < 0 || std::size_t(listIndex) >= wheels.size())
        return nullptr;
    return &wheels[std::size_t(listIndex)];
}
