#include "wheels/ThreeMatchTables.h"

#include <array>

std::span<const ThreeMatchWheel> ThreeMatchWheels()
{
    // Each wheel's lines in order, six letters a literal.
    // clang-format off
    static constexpr std::array<ThreeMatchWheel, kThreeMatchWheelCount> wheels{{
        {0, 0, " 6 from 20", 20, 6, 3, 10,
         "IJOPQR" "BCDEFS" "ABDFST" "GHIJKL" "ACDEFT" "GHIJMN" "ABCEST" "KLMNOP" "KLMNQR" "GHOPQR"},
        {0, 1, " 6 from 19", 19, 6, 3, 9,
         "LMNOPQ" "LMNORS" "LMPQRS" "NOPQRS" "ABDEFG" "DEFHJK" "BCGHIJ" "ACDEFI" "ABCGIK"},
        {0, 2, " 6 from 18", 18, 6, 3, 7,
         "ABCDEF" "GHIJKL" "GHIJMN" "KLMNOP" "KLMNQR" "GHOPQR" "IJOPQR"},
        {0, 3, " 6 from 17", 17, 6, 3, 6,
         "ADILMN" "BCJOPQ" "BEFGHQ" "CEFHKP" "CGJKOP" "EFHJKO"},
        {0, 4, " 6 from 16", 16, 6, 3, 5,
         "AFIKMN" "BCEGLP" "BDEGJP" "BEGHIP" "CDHJLO"},
        {0, 5, " 6 from 15", 15, 6, 3, 4,
         "ADHMNO" "AFHJLO" "BCEGIK" "DFHJMN"},
        {0, 6, " 3 from 10", 10, 3, 3, 10,
         "ABCDEG" "BCDEFH" "CDEFGI" "DEFGHJ" "AEFGHI" "BFGHIJ" "ACGHIJ" "ABDHIJ" "ABCEIJ" "ABCDFJ"},
        {0, 7, " 4 from 10", 10, 4, 3, 4,
         "ACDEGJ" "BFGHIJ" "BDEFHI" "ABDFHI"},
        {0, 8, " 4 from 11", 11, 4, 3, 5,
         "ABDEFG" "DEFHJK" "BCGHIJ" "ACDEFI" "ABCGIK"},
        {0, 9, " 4 from 12", 12, 4, 3, 6,
         "DFGIJK" "BCHIKL" "BCDHJL" "ACEFGL" "ABEFGH" "ADEIJK"},
        {0, 10, " 5 from 12", 12, 5, 3, 2,
         "ABCDEF" "GHIJKL"},
        {0, 11, " 5 from 14", 14, 5, 3, 5,
         "ABCDEF" "ABCDGH" "ABEFGH" "CDEFGH" "IJKLMN"},
        {0, 12, " 5 from 16", 16, 5, 3, 8,
         "ABCDEF" "ABCDGH" "ABEFGH" "CDEFGH" "IJKLMN" "IJKLOP" "IJMNOP" "KLMNOP"},
        {1, 0, " 4 from 7", 7, 4, 4, 5,
         "ABCDEF" "ABCDEG" "ABCDFG" "ABCEFG" "ABDEFG"},
        {1, 1, " 4 from 8", 8, 4, 4, 7,
         "ABCDEF" "ABCDEG" "ABCDEH" "ABCFGH" "ADEFGH" "BCDFGH" "BCEFGH"},
        {1, 2, " 4 from 9", 9, 4, 4, 12,
         "ABCDEF" "ABCGHI" "DEFGHI" "ABDEGH" "ACDFGI" "BCEFHI" "ABDFHI" "ACEFGH" "BCDEGI" "ABEFGI" "ACDEHI" "BCDFGH"},
        {1, 3, " 4 from 10", 10, 4, 4, 20,
         "BCEFGH" "ACGHIJ" "ABDFHI" "ABCDEJ" "DEFGIJ" "BCDFGJ" "ACDEGI" "BCDHIJ" "ABEGHJ" "CEFHIJ" "ABCFGI" "BDEGHI"
         "ACDEFH" "ABEFIJ" "ADFGHJ" "BCDEFI" "AEFGHI" "ABCFHJ" "CDEGHJ" "ABDGIJ"},
        {1, 4, " 5 from 9", 9, 5, 4, 3,
         "ABCDEF" "ABCGHI" "DEFGHI"},
        {1, 5, " 5 from 10", 10, 5, 4, 7,
         "ABCDFI" "ABDFIJ" "ACDFIJ" "ADEFGI" "ADEFHI" "ADFGHI" "BCEGHJ"},
        {1, 6, " 5 from 11", 11, 5, 4, 10,
         "ABCDIJ" "ABEFIK" "ABGHJK" "ACEFGH" "ADEFGH" "BCEFGH" "BDEFGH" "CDEFJK" "CDGHIK" "EFGHIJ"},
        {1, 7, " 5 from 12", 12, 5, 4, 14,
         "ABCDFK" "ABCEJL" "ABGIKL" "ACEFHI" "ADEGHL" "ADHIJK" "AFGHJK" "BCDGHJ" "BCEHKL" "BDEFGI" "BFHIJL" "CDFGIL"
         "CEGIJK" "DEFJKL"},
        {1, 8, " 6 from 10", 10, 6, 4, 3,
         "ACEFGI" "BCDGHJ" "ABDEFI"},
        {1, 9, " 6 from 11", 11, 6, 4, 5,
         "ABEFJK" "ACDEIJ" "ACEGHJ" "BCFHJK" "BDFGIK"},
        {1, 10, " 6 from 12", 12, 6, 4, 6,
         "CDEHKL" "ABDFKL" "ABCEFH" "ABDGIJ" "CEFGIJ" "GHIJKL"},
        {1, 11, " 6 from 13", 13, 6, 4, 10,
         "ACDEJL" "FGHIJK" "BCGJLM" "ACDGHL" "ABDHJM" "BCEHLM" "EFGIKM" "ACDFIK" "ADFIKL" "BEFGIK"},
        {1, 12, " 6 from 14", 14, 6, 4, 14,
         "ABCDEF" "ABGHIJ" "ACDGKL" "ACFHJM" "AEGHKN" "AFILMN" "BCEGIM" "BDJKMN" "BEFHKL" "BFGJLN" "CDHILN" "CEIJKN"
         "DEHJLM" "DFGIKM"},
        {1, 13, " 6 from 15", 15, 6, 4, 19,
         "BGHMNO" "DEGJKN" "CFGILN" "DEILMN" "DFKLMO" "BDFHIJ" "ABGJLO" "CJKLMN" "BCFGKO" "ABCDIK" "ABEFMN" "ACDHNO"
         "AEFHJL" "BCEHKL" "CEIJMO" "AGHIKM" "AHIKNO" "DEFGIL" "ACDGHM"},
    }};
    // clang-format on
    return wheels;
}

std::span<const ThreeMatchWheel> ThreeMatchWheels(int mode)
{
    const auto all = ThreeMatchWheels();
    if (mode == 0)
        return all.first(13);
    if (mode == 1)
        return all.subspan(13);
    return {};
}

const ThreeMatchWheel* FindThreeMatchWheel(int mode, int listIndex)
{
    const auto wheels = ThreeMatchWheels(mode);
    if (listIndex < 0 || std::size_t(listIndex) >= wheels.size())
        return nullptr;
    return &wheels[std::size_t(listIndex)];
}
