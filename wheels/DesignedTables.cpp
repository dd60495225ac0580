// Written by tools/WheelDesigner; do not edit by hand.
#include "wheels/DesignedTables.h"

namespace {

// clang-format off
constexpr std::string_view kThreeForSix30 =
    R"(ABCDEF)" R"(ABCDEG)" R"(ABCDEH)" R"(ABCDEI)" R"(ABCDEJ)" R"(ABCDEK)" R"(ABCDEL)" R"(ABCDEM)" R"(ABCDEN)"
    R"(ABCDEO)" R"(FGHKNP)" R"(FGILNO)" R"(FGJMOP)" R"(FHIKMO)" R"(FHJLMN)" R"(FIJKLP)" R"(GHILMP)" R"(GHJKLO)"
    R"(GIJKMN)" R"(HIJNOP)" R"(KLMNOP)" R"(QRSTUV)" R"(QRSVZ\)" R"(QRSWXY)" R"(QRS[]^)" R"(QSTUY^)" R"(QSTWX\)"
    R"(QSTZ[])" R"(QSUWXZ)" R"(QSU[\])" R"(QSVWX^)" R"(QSVY[])" R"(QSWX[])" R"(QSYZ\^)" R"(RTUVX])" R"(RTWZ]^)"
    R"(RTY[\])" R"(RUWX\^)" R"(RUXYZ[)" R"(RVWY[^)" R"(TUWZ[\)" R"(TVWXYZ)" R"(TVX[\^)" R"(UVWY\])" R"(UVZ[]^)"
    R"(XYZ\]^)";

constexpr std::string_view kThreeForSix32 =
    R"(ABCDEF)" R"(ABCDEG)" R"(ABCDEH)" R"(ABCDEI)" R"(ABCDEJ)" R"(ABCDEK)" R"(ABCDEL)" R"(ABCDEM)" R"(ABCDEN)"
    R"(ABCDEO)" R"(ABCDEP)" R"(FGHIJK)" R"(FGJKNO)" R"(FGLMPQ)" R"(FGNOPQ)" R"(FHJLNP)" R"(FHKMOQ)" R"(FIJMNQ)"
    R"(FIKLOP)" R"(GHJMOP)" R"(GHKLNQ)" R"(GIJLOQ)" R"(GIKMNP)" R"(HIJKPQ)" R"(HILMNO)" R"(JKLMNO)" R"(RSTUVW)"
    R"(RSTXYZ)" R"(RST[\])" R"(RST^_`)" R"(RSUX[^)" R"(RSUY\_)" R"(RSUZ]`)" R"(RSVX\`)" R"(RSVY]^)" R"(RSVZ[_)"
    R"(RSWX]_)" R"(RSWY[`)" R"(RSWZ\^)" R"(TUVX]_)" R"(TUVY[`)" R"(TUVZ\^)" R"(TUWX\`)" R"(TUWY]^)" R"(TUWZ[_)"
    R"(TVWX[^)" R"(TVWY\_)" R"(TVWZ]`)" R"(UXYZ[^)" R"(UX[\]^)" R"(UX[^_`)" R"(VXYZ\_)" R"(VY[\]_)" R"(VY\^_`)"
    R"(WXYZ]`)" R"(WZ[\]`)" R"(WZ]^_`)";

constexpr std::string_view kThreeForSix34 =
    R"(ABCGKL)" R"(ABDHMN)" R"(ABEINO)" R"(ABFJOP)" R"(ACDEFL)" R"(ACDHKO)" R"(ACDIMP)" R"(ACIJKN)" R"(ADGHJL)"
    R"(AEGHKP)" R"(AEHJLM)" R"(AFGLNP)" R"(AFHIKM)" R"(AGILMO)" R"(BCDEJP)" R"(BCEFHN)" R"(BCEKMO)" R"(BCFKNP)"
    R"(BCHILP)" R"(BDFGIK)" R"(BDFLMO)" R"(BEGJLN)" R"(BGHJKO)" R"(BGIJMP)" R"(CDGNOP)" R"(CEFGIO)" R"(CFGHJM)"
    R"(CJLMNO)" R"(DEGKMN)" R"(DEHIJO)" R"(DFHJNP)" R"(DGHILN)" R"(DJKLMP)" R"(EFIJKL)" R"(EFIMNP)" R"(EHLMOP)"
    R"(FHKLNO)" R"(GIKMOP)" R"(QRSVZ`)" R"(QRUY^_)" R"(QSTU[a)" R"(QTZ^_b)" R"(QUXZ\b)" R"(QVWX]a)" R"(QWY[]`)"
    R"(QX[\^`)" R"(RSX[_a)" R"(RTUWab)" R"(RTUX\])" R"(RTWZ\`)" R"(RVWY\a)" R"(RV[]^b)" R"(RYZ[]a)" R"(STVY\b)"
    R"(ST\^`a)" R"(SUW[^_)" R"(SW\]_b)" R"(SXYZ]^)" R"(TUV]_`)" R"(TWXYZ[)" R"(UVWX^`)" R"(UYZ[`b)" R"(VZ[\_a)"
    R"(WZ]^ab)" R"(XY_`ab)";

constexpr std::string_view kThreeForSix36 =
    R"(ABCDEF)" R"(ABCGHI)" R"(ABCJKL)" R"(ABCMNO)" R"(ABCPQR)" R"(ADGJMP)" R"(ADHKOR)" R"(ADILNQ)" R"(AEGLNR)"
    R"(AEHLOP)" R"(AEIJOQ)" R"(AEIKMR)" R"(AFGKOQ)" R"(AFHJNR)" R"(AFHLMQ)" R"(AFIKNP)" R"(BDGLOQ)" R"(BDHLMR)"
    R"(BDIJNR)" R"(BDIKOP)" R"(BEGJOR)" R"(BEHKNQ)" R"(BEILMP)" R"(BFGKMR)" R"(BFGLNP)" R"(BFHJOP)" R"(BFIJMQ)"
    R"(CDGKNR)" R"(CDHJOQ)" R"(CDHLNP)" R"(CDIKMQ)" R"(CEGKOP)" R"(CEGLMQ)" R"(CEHJMR)" R"(CEIJNP)" R"(CFGJNQ)"
    R"(CFHKMP)" R"(CFILOR)" R"(DEFGHI)" R"(DEFJKL)" R"(DEFMNO)" R"(DEFPQR)" R"(GHIJKL)" R"(GHIMNO)" R"(GHIPQR)"
    R"(JKLMNO)" R"(JKLPQR)" R"(MNOPQR)" R"(STUX\b)" R"(STW[`a)" R"(SUVW]c)" R"(SV\`ad)" R"(SWZ\^d)" R"(SXYZ_c)"
    R"(SY[]_b)" R"(SZ]^`b)" R"(TUZ]ac)" R"(TVWYcd)" R"(TVWZ^_)" R"(TVY\^b)" R"(TXY[^c)" R"(TX]_`d)" R"(T[\]_c)"
    R"(UVX[^d)" R"(UV^`bc)" R"(UWY]`a)" R"(UY^_ad)" R"(UZ[\_`)" R"(VWX_ab)" R"(VYZ[\])" R"(WXYZ`b)" R"(W[\]bd)"
    R"(X\]^ac)" R"(Y\_`cd)" R"(Z[abcd)";

constexpr std::string_view kThreeForSix38 =
    R"(ABCDEF)" R"(ABCGHI)" R"(ABCJKL)" R"(ABCMNO)" R"(ABCPQR)" R"(ADGJMP)" R"(ADHKOR)" R"(ADILNQ)" R"(AEGLNR)"
    R"(AEHLOP)" R"(AEIJOQ)" R"(AEIKMR)" R"(AFGKOQ)" R"(AFHJNR)" R"(AFHLMQ)" R"(AFIKNP)" R"(BDGLOQ)" R"(BDHLMR)"
    R"(BDIJNR)" R"(BDIKOP)" R"(BEGJOR)" R"(BEHKNQ)" R"(BEILMP)" R"(BFGKMR)" R"(BFGLNP)" R"(BFHJOP)" R"(BFIJMQ)"
    R"(CDGKNR)" R"(CDHJOQ)" R"(CDHLNP)" R"(CDIKMQ)" R"(CEGKOP)" R"(CEGLMQ)" R"(CEHJMR)" R"(CEIJNP)" R"(CFGJNQ)"
    R"(CFHKMP)" R"(CFILOR)" R"(DEFGHI)" R"(DEFJKL)" R"(DEFMNO)" R"(DEFPQR)" R"(GHIJKL)" R"(GHIMNO)" R"(GHIPQR)"
    R"(JKLMNO)" R"(JKLPQR)" R"(MNOPQR)" R"(STU[`c)" R"(STXZ^b)" R"(STZ]_a)" R"(SU\bdf)" R"(SVW^_c)" R"(SVZ[^d)"
    R"(SV\cde)" R"(SWXY]e)" R"(SW]`bf)" R"(SXY^af)" R"(SY\_`a)" R"(TUVY_e)" R"(TUWZac)" R"(TUY^df)" R"(TUY_bc)"
    R"(TV\]`f)" R"(TW[\ad)" R"(TXabcd)" R"(T[^`ef)" R"(UVWX[])" R"(UV^`ac)" R"(UWYZ`b)" R"(UXZcef)" R"(UX[\]_)"
    R"(U]^ade)" R"(VWabcf)" R"(VXYZ\e)" R"(VX\^_`)" R"(VY[]bd)" R"(WX_`df)" R"(WY\]^c)" R"(WZ\`be)" R"(XY[`ae)"
    R"(YZ[_cf)" R"(Z\]^af)" R"(Z]`cde)" R"(Z^_abd)" R"([]^bce)" R"([_abef)";

constexpr std::string_view kThreeForSix40 =
    R"(ABCDEF)" R"(ABCGHI)" R"(ABCJKL)" R"(ABCMNO)" R"(ABCPQR)" R"(ADGJMP)" R"(ADHKOR)" R"(ADILNQ)" R"(AEGLNR)"
    R"(AEHLOP)" R"(AEIJOQ)" R"(AEIKMR)" R"(AFGKOQ)" R"(AFHJNR)" R"(AFHLMQ)" R"(AFIKNP)" R"(BDGLOQ)" R"(BDHLMR)"
    R"(BDIJNR)" R"(BDIKOP)" R"(BEGJOR)" R"(BEHKNQ)" R"(BEILMP)" R"(BFGKMR)" R"(BFGLNP)" R"(BFHJOP)" R"(BFIJMQ)"
    R"(CDGKNR)" R"(CDHJOQ)" R"(CDHLNP)" R"(CDIKMQ)" R"(CEGKOP)" R"(CEGLMQ)" R"(CEHJMR)" R"(CEIJNP)" R"(CFGJNQ)"
    R"(CFHKMP)" R"(CFILOR)" R"(DEFGHI)" R"(DEFJKL)" R"(DEFMNO)" R"(DEFPQR)" R"(GHIJKL)" R"(GHIMNO)" R"(GHIPQR)"
    R"(JKLMNO)" R"(JKLPQR)" R"(MNOPQR)" R"(STUX[g)" R"(STUY_d)" R"(ST\^`b)" R"(SUZceh)" R"(SU_acf)" R"(SVWbgh)"
    R"(SVX^ac)" R"(SVZ[_g)" R"(SWX]fh)" R"(SWZ\af)" R"(SW\^eg)" R"(SXY\`h)" R"(SY[]be)" R"(S]^`de)" R"(TUW]_g)"
    R"(TUW^ef)" R"(TVW]`c)" R"(TV[abf)" R"(TV\def)" R"(TWX^bh)" R"(TXYZ^_)" R"(TZ[]ah)" R"(T[\ace)" R"(T]degh)"
    R"(T_`bfh)" R"(UVX\]d)" R"(UVX`ah)" R"(UVY^bh)" R"(UVZ[\e)" R"(UW[^ad)" R"(UW[_`c)" R"(UYZ\]f)" R"(UY]bcg)"
    R"(UZ`beg)" R"(U\bcfh)" R"(VWZ]_d)" R"(VX[_ce)" R"(VYZ\ag)" R"(VY^`fg)" R"(WXYZ]b)" R"(WY[\cd)" R"(WYadeh)"
    R"(W]_abe)" R"(XY[`ae)" R"(XZcdfg)" R"(X\_bdf)" R"(X`abdg)" R"(Y_cefh)" R"(Z[`dfh)" R"(Z^`acg)" R"(Z^bcdh)"
    R"([\^_gh)" R"([]^afg)" R"(\]_`ac)";

constexpr std::string_view kThreeForSix41 =
    R"(ABCHSW)" R"(ABDHQU)" R"(ABGIRV)" R"(ABMOPT)" R"(ACDINV)" R"(ACHLTU)" R"(ADQSTW)" R"(AEFIJK)" R"(AEGHQV)"
    R"(AEKMNS)" R"(AFGJPR)" R"(AFHMOT)" R"(AFIMPQ)" R"(AFLMSW)" R"(AGINOT)" R"(AGJOUW)" R"(AGKLOR)" R"(AGKNPU)"
    R"(BCDHIV)" R"(BCEFOQ)" R"(BCFJKP)" R"(BCGIJQ)" R"(BDENOR)" R"(BEGHKM)" R"(BEHJLU)" R"(BFMNSU)" R"(BIKPSW)"
    R"(BJLNQT)" R"(BKNRTV)" R"(BOQRVW)" R"(CDILMR)" R"(CDKLMT)" R"(CELPVW)" R"(CERSTU)" R"(CFGNSV)" R"(CGMQRS)"
    R"(CHJNOP)" R"(CIJMRW)" R"(CJKPQU)" R"(DEGJLM)" R"(DEIKPQ)" R"(DFGITU)" R"(DFGLNW)" R"(DFHKQR)" R"(DFJLSV)"
    R"(DGHPTW)" R"(DGLOPS)" R"(DHJMNP)" R"(DJMOUW)" R"(EFMOUV)" R"(EHIQSW)" R"(EIPSTV)" R"(ENQRTW)" R"(FHLNPR)"
    R"(FILTUW)" R"(FJKOTW)" R"(GHIKST)" R"(GHKLVW)" R"(HMPRUV)" R"(IJLORS)" R"(IKOSUV)" R"(ILNQUV)" R"(JMNRTV)"
    R"(KNQSUW)" R"(LMOQTV)" R"(XYZ[\])" R"(XYZ^_`)" R"(XYZabc)" R"(XYZdef)" R"(XYZghi)" R"(X[^adg)" R"(X[_bfi)"
    R"(X[`ceh)" R"(X\^cei)" R"(X\_cfg)" R"(X\`afh)" R"(X\`bdi)" R"(X]^bfh)" R"(X]_aei)" R"(X]_cdh)" R"(X]`beg)"
    R"(Y[^cfh)" R"(Y[_cdi)" R"(Y[`aei)" R"(Y[`bfg)" R"(Y\^afi)" R"(Y\_beh)" R"(Y\`cdg)" R"(Y]^bdi)" R"(Y]^ceg)"
    R"(Y]_afg)" R"(Y]`adh)" R"(Z[^bei)" R"(Z[_afh)" R"(Z[_ceg)" R"(Z[`bdh)" R"(Z\^bfg)" R"(Z\^cdh)" R"(Z\_adi)"
    R"(Z\`aeg)" R"(Z]^aeh)" R"(Z]_bdg)" R"(Z]`cfi)" R"([\]^_`)" R"([\]abc)" R"([\]def)" R"([\]ghi)" R"(^_`abc)"
    R"(^_`def)" R"(^_`ghi)" R"(abcdef)" R"(abcghi)" R"(defghi)";

constexpr std::string_view kThreeForSix42 =
    R"(ABDFPT)" R"(ABFHIQ)" R"(ABHIJO)" R"(ABKPRS)" R"(ACDJNR)" R"(ACELNO)" R"(ACMNOP)" R"(ADELMS)" R"(ADJNST)"
    R"(ADMOQS)" R"(AEGHJQ)" R"(AFGHIR)" R"(AFGKLN)" R"(AHKLNT)" R"(BCEIJK)" R"(BCEJLR)" R"(BCFJMO)" R"(BCGNST)"
    R"(BDGHMS)" R"(BDLNQR)" R"(BEGJNO)" R"(BEHKOP)" R"(BHIMPT)" R"(CDEIPT)" R"(CDGNOR)" R"(CFGLPQ)" R"(CFIMRS)"
    R"(CHKQST)" R"(CHLMNO)" R"(CJKMNQ)" R"(DEFHLT)" R"(DFJKMR)" R"(DGKLNP)" R"(DIKMOQ)" R"(DJKLMP)" R"(EFGHQR)"
    R"(EFNOPS)" R"(EGMQRT)" R"(EIKNQS)" R"(FGILOS)" R"(FIKNPT)" R"(GHIJLN)" R"(GJKOQT)" R"(HJPQRS)" R"(ILOPRT)"
    R"(`bdefj)" R"(X]_cfj)" R"(WY\_dj)" R"(UVXadj)" R"(Y^abcj)" R"(VY[]`j)" R"(WXZ[bj)" R"(U[^_ej)" R"(VZ\cej)"
    R"(Z_`agj)" R"(U\]bgj)" R"(VW^fgj)" R"([cdghj)" R"(W]aehj)" R"(X\^`hj)" R"(UYZfhj)" R"(V_bhij)" R"(XYegij)"
    R"(Z]^dij)" R"(UW`cij)" R"([\afij)" R"(UX^bfi)" R"(VYcdfi)" R"(WZ_efi)" R"([]bcei)" R"(V^`aei)" R"(X[_`di)"
    R"(YZ\`bi)" R"(UY]_ai)" R"(VWX\]i)" R"(\^_cgi)" R"(UVZ[gi)" R"(Wabdgi)" R"(]`fghi)" R"(WY[^hi)" R"(XZachi)"
    R"(U\dehi)" R"(^_adfh)" R"(W\bcfh)" R"(VX[efh)" R"(Y_`ceh)" R"(Z[\]_h)" R"(U[`abh)" R"(UV]^ch)" R"(XY]bdh)"
    R"(VWZ`dh)" R"(UWX_gh)" R"(VY\agh)" R"(Z^begh)" R"(XZ\dfg)" R"(Y[_bfg)" R"(Uacefg)" R"(V]_deg)" R"(W[\`eg)"
    R"(VX`bcg)" R"(WYZ]cg)" R"(X[]^ag)" R"(UY^`dg)" R"(\]`acd)" R"(UZ_bcd)" R"(V[\^bd)" R"(UWZ\^a)" R"(VXYZ^_)"
    R"(W]^_`b)" R"(UXY[\c)" R"(VW[_ac)" R"(X\_abe)" R"(UVWYbe)" R"(UXZ]`e)" R"(YZ[ade)" R"(WX^cde)" R"(Y\]^ef)"
    R"(Z[^`cf)" R"(VZ]abf)" R"(WXY`af)" R"(UV\_`f)" R"(UW[]df)";

constexpr std::string_view kThreeForSix43 =
    R"(ABDILS)" R"(ABDOTU)" R"(ACDJMS)" R"(ACGJRT)" R"(ACLRSU)" R"(ADEIKQ)" R"(AEFHLS)" R"(AEFJPQ)" R"(AENOPT)"
    R"(AFGKNU)" R"(AGMOST)" R"(AHIKQR)" R"(AHJMPU)" R"(AIJMPR)" R"(BCEGKM)" R"(BCFHKT)" R"(BCHMNP)" R"(BCINQU)"
    R"(BDGHJQ)" R"(BEGILP)" R"(BEJRSU)" R"(BFJNST)" R"(BFMOQR)" R"(BHJNTU)" R"(BJKNPR)" R"(CDGLNQ)" R"(CDGLRS)"
    R"(CDNRSU)" R"(CEFHIO)" R"(CEGPQT)" R"(CEHLSU)" R"(CHKOPS)" R"(CIJLOQ)" R"(CINORU)" R"(CJMNTU)" R"(DEFHMR)"
    R"(DEHINS)" R"(DFIJOU)" R"(DFLPRU)" R"(DGIPST)" R"(DGMOPQ)" R"(DHLQRT)" R"(DKLMQU)" R"(EFGHQU)" R"(EFMNQS)"
    R"(EIKMTU)" R"(EJKLOT)" R"(FGIKMS)" R"(FILMPT)" R"(GHLNOR)" R"(GJLMNU)" R"(IKNORT)" R"(KLPQSU)" R"(acefgk)"
    R"(Y^`dgk)" R"(XZ]`ek)" R"(VWYbek)" R"(Z_bcdk)" R"(WZ\^ak)" R"(XY[\ck)" R"(V\_`fk)" R"(W[]dfk)" R"([`abhk)"
    R"(V]^chk)" R"(WX_ghk)" R"(\dehik)" R"(X^bfik)" R"(Y]_aik)" R"(VZ[gik)" R"(W`cijk)" R"(YZfhjk)" R"([^_ejk)"
    R"(VXadjk)" R"(\]bgjk)" R"(VY_cgj)" R"(WZdegj)" R"(X[`fgj)" R"(\^cdfj)" R"(W_abfj)" R"(Y\`aej)" R"(Z[]acj)"
    R"(VZ^`bj)" R"(WXY]^j)" R"(]_`dhj)" R"(VW[\hj)" R"(Xbcehj)" R"(^aghij)" R"(XZ\_ij)" R"(Y[bdij)" R"(V]efij)"
    R"(_`begi)" R"(X]cdgi)" R"(WY\fgi)" R"(Z`adfi)" R"([\]^`i)" R"(V\abci)" R"(VW^_di)" R"(YZ^cei)" R"(WX[aei)"
    R"(VXY`hi)" R"(WZ]bhi)" R"([_cfhi)" R"(Y[]egh)" R"(Z\`cgh)" R"(Vbdfgh)" R"(W^`efh)" R"(X\]afh)" R"(WYacdh)"
    R"(XZ[^dh)" R"(Y\^_bh)" R"(VZ_aeh)" R"(]^abde)" R"(V[`cde)" R"(W\]_ce)" R"(VX[]_b)" R"(WYZ[_`)" R"(X^_`ac)"
    R"(VYZ\]d)" R"(WX\`bd)" R"(Y]`bcf)" R"(VWXZcf)" R"(VY[^af)" R"(Z[\bef)" R"(XY_def)" R"(Z]^_fg)" R"([\_adg)"
    R"(W[^bcg)" R"(XYZabg)" R"(VW]`ag)" R"(VX\^eg)";

constexpr std::string_view kThreeForSix44 =
    R"(LNPQRV)" R"(DIKORV)" R"(CEHKPV)" R"(ABDMPV)" R"(EJMNOV)" R"(BEGILV)" R"(CDFGNV)" R"(AGJKQV)" R"(BFHOQV)"
    R"(FKLMSV)" R"(AHINSV)" R"(BCJRSV)" R"(GOPSTV)" R"(CIMQTV)" R"(DHJLTV)" R"(AEFRTV)" R"(BKNTUV)" R"(DEQSUV)"
    R"(FIJPUV)" R"(ACLOUV)" R"(GHMRUV)" R"(ADJNRU)" R"(BEOPRU)" R"(CFKQRU)" R"(GINOQU)" R"(BJLMQU)" R"(DGKLPU)"
    R"(EFHLNU)" R"(AEIKMU)" R"(BCDHIU)" R"(HJKOSU)" R"(ABFGSU)" R"(CMNPSU)" R"(ILRSTU)" R"(CEGJTU)" R"(DFMOTU)"
    R"(AHPQTU)" R"(JKMPRT)" R"(CHNORT)" R"(BDGQRT)" R"(EKLOQT)" R"(FGHIKT)" R"(AGLMNT)" R"(ABIJOT)" R"(DEINPT)"
    R"(BCFLPT)" R"(ACDKST)" R"(BEHMST)" R"(FJNQST)" R"(DFHPRS)" R"(EGKNRS)" R"(AMOQRS)" R"(BIKPQS)" R"(CGHLQS)"
    R"(BDLNOS)" R"(CEFIOS)" R"(DGIJMS)" R"(AEJLPS)" R"(HILMOP)" R"(AFKNOP)" R"(BGHJNP)" R"(ACFHJM)" R"(BDEFJK)"
    R"(CIJKLN)" R"(ADEGHO)" R"(BCGKMO)" R"(DHKMNQ)" R"(ABCENQ)" R"(ADFILQ)" R"(EFGMPQ)" R"(CDJOPQ)" R"(EHIJQR)"
    R"(FGJLOR)" R"(BFIMNR)" R"(CDELMR)" R"(ABHKLR)" R"(ACGIPR)" R"(WXY\_k)" R"(WXY]ch)" R"(WX`bdf)" R"(WY^gil)"
    R"(WYcegj)" R"(WZ[fkl)" R"(WZ\beg)" R"(WZ^_ck)" R"(W[\ajl)" R"(W[^`ej)" R"(W[`bik)" R"(W\]`dl)" R"(W]_afi)"
    R"(Wabdhi)" R"(XY[ack)" R"(XY[bij)" R"(XZ[adg)" R"(XZ_efj)" R"(XZ`hij)" R"(X[\bfl)" R"(X\]^bc)" R"(X^_ael)"
    R"(X_`egi)" R"(Xahikl)" R"(Xcdfjl)" R"(YZ\`ah)" R"(YZ\del)" R"(YZ]bfl)" R"(YZ^_`i)" R"(Y[_beh)" R"(Y[_cdg)"
    R"(Y]^`aj)" R"(Y]afgk)" R"(Y^dfik)" R"(Y`fgjl)" R"(Z[^ach)" R"(Z\_cgi)" R"(Z]^`ek)" R"(Z]bdjk)" R"([\]^af)"
    R"([]_`gh)" R"([]ehil)" R"([acefi)" R"(\]_dei)" R"(\^ghjk)" R"(\`cfhj)" R"(\defhk)" R"(]cgijl)" R"(^_dhjl)"
    R"(^bdegk)" R"(^bfghl)" R"(_`bckl)" R"(_abejk)" R"(`acdeg)";

constexpr std::string_view kThreeForSix45 =
    R"(ABCHSW)" R"(ABDHQU)" R"(ABGIRV)" R"(ABMOPT)" R"(ACDINV)" R"(ACHLTU)" R"(ADQSTW)" R"(AEFIJK)" R"(AEGHQV)"
    R"(AEKMNS)" R"(AFGJPR)" R"(AFHMOT)" R"(AFIMPQ)" R"(AFLMSW)" R"(AGINOT)" R"(AGJOUW)" R"(AGKLOR)" R"(AGKNPU)"
    R"(BCDHIV)" R"(BCEFOQ)" R"(BCFJKP)" R"(BCGIJQ)" R"(BDENOR)" R"(BEGHKM)" R"(BEHJLU)" R"(BFMNSU)" R"(BIKPSW)"
    R"(BJLNQT)" R"(BKNRTV)" R"(BOQRVW)" R"(CDILMR)" R"(CDKLMT)" R"(CELPVW)" R"(CERSTU)" R"(CFGNSV)" R"(CGMQRS)"
    R"(CHJNOP)" R"(CIJMRW)" R"(CJKPQU)" R"(DEGJLM)" R"(DEIKPQ)" R"(DFGITU)" R"(DFGLNW)" R"(DFHKQR)" R"(DFJLSV)"
    R"(DGHPTW)" R"(DGLOPS)" R"(DHJMNP)" R"(DJMOUW)" R"(EFMOUV)" R"(EHIQSW)" R"(EIPSTV)" R"(ENQRTW)" R"(FHLNPR)"
    R"(FILTUW)" R"(FJKOTW)" R"(GHIKST)" R"(GHKLVW)" R"(HMPRUV)" R"(IJLORS)" R"(IKOSUV)" R"(ILNQUV)" R"(JMNRTV)"
    R"(KNQSUW)" R"(LMOQTV)" R"(ceghim)" R"([`bfim)" R"(Z\_bgm)" R"(XY[dgm)" R"(\adefm)" R"(Y\^`cm)" R"(Z[]^em)"
    R"(X^abhm)" R"(Y]_fhm)" R"(]bcdjm)" R"(X_`ejm)" R"(YZaijm)" R"(^fgjkm)" R"(Z`dhkm)" R"([_ackm)" R"(X\]ikm)"
    R"(Ybeklm)" R"([\hjlm)" R"(]`aglm)" R"(XZcflm)" R"(^_dilm)" R"(X[aeil)" R"(Y\fgil)" R"(Z]bhil)" R"(^`efhl)"
    R"(Yacdhl)" R"([^bcgl)" R"(\]_cel)" R"(X\`bdl)" R"(YZ[_`l)" R"(_abfjl)" R"(XY]^jl)" R"(Zdegjl)" R"(`cijkl)"
    R"(Z\^akl)" R"([]dfkl)" R"(X_ghkl)" R"(abdgik)" R"(Z_efik)" R"(Y[^hik)" R"(\bcfhk)" R"(]^_`bk)" R"(X^cdek)"
    R"(XY`afk)" R"([\`egk)" R"(YZ]cgk)" R"(XZ[bjk)" R"(Y\_djk)" R"(]aehjk)" R"([]_gij)" R"(\^beij)" R"(Xdfhij)"
    R"(Y`bghj)" R"(Z^_chj)" R"(Y[cefj)" R"(Z\]`fj)" R"([^`adj)" R"(X\acgj)" R"(_`cdfg)" R"(X]befg)" R"(Y^_aeg)"
    R"(XZ]_ad)" R"(Y[\]ab)" R"(Z`abce)" R"(X[\^_f)" R"(YZ^bdf)" R"([_bdeh)" R"(XYZ\eh)" R"(X[]`ch)" R"(\]^dgh)"
    R"(Z[afgh)" R"(\_`ahi)" R"(]^acfi)" R"(Y]`dei)" R"(Z[\cdi)" R"(XY_bci)" R"(XZ^`gi)";

constexpr std::string_view kThreeForSix46 =
    R"(LNPQRV)" R"(DIKORV)" R"(CEHKPV)" R"(ABDMPV)" R"(EJMNOV)" R"(BEGILV)" R"(CDFGNV)" R"(AGJKQV)" R"(BFHOQV)"
    R"(FKLMSV)" R"(AHINSV)" R"(BCJRSV)" R"(GOPSTV)" R"(CIMQTV)" R"(DHJLTV)" R"(AEFRTV)" R"(BKNTUV)" R"(DEQSUV)"
    R"(FIJPUV)" R"(ACLOUV)" R"(GHMRUV)" R"(ADJNRU)" R"(BEOPRU)" R"(CFKQRU)" R"(GINOQU)" R"(BJLMQU)" R"(DGKLPU)"
    R"(EFHLNU)" R"(AEIKMU)" R"(BCDHIU)" R"(HJKOSU)" R"(ABFGSU)" R"(CMNPSU)" R"(ILRSTU)" R"(CEGJTU)" R"(DFMOTU)"
    R"(AHPQTU)" R"(JKMPRT)" R"(CHNORT)" R"(BDGQRT)" R"(EKLOQT)" R"(FGHIKT)" R"(AGLMNT)" R"(ABIJOT)" R"(DEINPT)"
    R"(BCFLPT)" R"(ACDKST)" R"(BEHMST)" R"(FJNQST)" R"(DFHPRS)" R"(EGKNRS)" R"(AMOQRS)" R"(BIKPQS)" R"(CGHLQS)"
    R"(BDLNOS)" R"(CEFIOS)" R"(DGIJMS)" R"(AEJLPS)" R"(HILMOP)" R"(AFKNOP)" R"(BGHJNP)" R"(ACFHJM)" R"(BDEFJK)"
    R"(CIJKLN)" R"(ADEGHO)" R"(BCGKMO)" R"(DHKMNQ)" R"(ABCENQ)" R"(ADFILQ)" R"(EFGMPQ)" R"(CDJOPQ)" R"(EHIJQR)"
    R"(FGJLOR)" R"(BFIMNR)" R"(CDELMR)" R"(ABHKLR)" R"(ACGIPR)" R"(WXY[]a)" R"(WX\bfm)" R"(WXhjkn)" R"(WY[glm)"
    R"(WY^_dk)" R"(WY`dfi)" R"(WZ\cdj)" R"(WZ]blm)" R"(WZ_`fj)" R"(WZadem)" R"(W[\_il)" R"(W[abmn)" R"(W\]`cg)"
    R"(W]aghi)" R"(W^`ehn)" R"(W^bhij)" R"(W_cegj)" R"(Wefklm)" R"(XY\`el)" R"(XYaefi)" R"(XZ[^cm)" R"(XZ\^hk)"
    R"(XZ\_fi)" R"(XZ]cei)" R"(XZ^gkm)" R"(X[`bch)" R"(X[dfhm)" R"(X]^`jl)" R"(X]`bmn)" R"(X_abhm)" R"(X_aejn)"
    R"(Xbcdfk)" R"(Xbcghl)" R"(Xdgiln)" R"(YZ[ehn)" R"(YZ`dhl)" R"(YZbdgj)" R"(Y\]^_b)" R"(Y\^ain)" R"(Y\cfhk)"
    R"(Y]ijkm)" R"(Y^_`fg)" R"(Y_chjm)" R"(Ybcegn)" R"(Z[\_mn)" R"(Z[abkl)" R"(Z]_dfn)" R"(Z^bdej)" R"(Z_acgl)"
    R"(Z`aikl)" R"(Zfgimn)" R"([\^adl)" R"([\`egj)" R"([]^fgj)" R"([]_egk)" R"([]`acf)" R"([`cikn)" R"([bcdij)"
    R"([bdfgh)" R"(\]acln)" R"(\]dehk)" R"(\^fjln)" R"(\`abgk)" R"(\dghmn)" R"(]^acde)" R"(]afhjl)" R"(^_`him)"
    R"(^acfkn)" R"(^ceilm)" R"(_`adjm)" R"(_`jkln)" R"(_befil)";

constexpr std::string_view kThreeForSix47 =
    R"(ABCENQ)" R"(ABCWXY)" R"(ABDMPV)" R"(ABFGSU)" R"(ABHKLR)" R"(ABIJOT)" R"(ACDKST)" R"(ACFHJM)" R"(ACGIPR)"
    R"(ACLOUV)" R"(ADEGHO)" R"(ADFILQ)" R"(ADJNRU)" R"(AEFRTV)" R"(AEIKMU)" R"(AEJLPS)" R"(AFKNOP)" R"(AGJKQV)"
    R"(AGLMNT)" R"(AHINSV)" R"(AHPQTU)" R"(AMOQRS)" R"(BCDHIU)" R"(BCFLPT)" R"(BCGKMO)" R"(BCJRSV)" R"(BDEFJK)"
    R"(BDGQRT)" R"(BDLNOS)" R"(BEGILV)" R"(BEHMST)" R"(BEOPRU)" R"(BFHOQV)" R"(BFIMNR)" R"(BGHJNP)" R"(BIKPQS)"
    R"(BJLMQU)" R"(BKNTUV)" R"(CDELMR)" R"(CDFGNV)" R"(CDJOPQ)" R"(CEFIOS)" R"(CEGJTU)" R"(CEHKPV)" R"(CFKQRU)"
    R"(CGHLQS)" R"(CHNORT)" R"(CIJKLN)" R"(CIMQTV)" R"(CMNPSU)" R"(DEFWXY)" R"(DEINPT)" R"(DEQSUV)" R"(DFHPRS)"
    R"(DFMOTU)" R"(DGIJMS)" R"(DGKLPU)" R"(DHJLTV)" R"(DHKMNQ)" R"(DIKORV)" R"(EFGMPQ)" R"(EFHLNU)" R"(EGKNRS)"
    R"(EHIJQR)" R"(EJMNOV)" R"(EKLOQT)" R"(FGHIKT)" R"(FGJLOR)" R"(FIJPUV)" R"(FJNQST)" R"(FKLMSV)" R"(GHIWXY)"
    R"(GHMRUV)" R"(GINOQU)" R"(GOPSTV)" R"(HILMOP)" R"(HJKOSU)" R"(ILRSTU)" R"(JKLWXY)" R"(JKMPRT)" R"(LNPQRV)"
    R"(MNOWXY)" R"(PQRWXY)" R"(STUWXY)" R"(egijko)" R"(]bdhko)" R"(\^adio)" R"(Z[]fio)" R"(^cfgho)" R"([^`beo)"
    R"(\]_`go)" R"(Z`cdjo)" R"([_ahjo)" R"(_deflo)" R"(Zabglo)" R"([\cklo)" R"(`hilmo)" R"(\bfjmo)" R"(]acemo)"
    R"(Z^_kmo)" R"([dgmno)" R"(]^jlno)" R"(_bcino)" R"(Z\ehno)" R"(`afkno)" R"(Z]cgkn)" R"([^hikn)" R"(\_djkn)"
    R"(`bghjn)" R"([cefjn)" R"(]`dein)" R"(^_aegn)" R"(Z^bdfn)" R"([\]abn)" R"(acdhln)" R"(Z[_`ln)" R"(\fgiln)"
    R"(beklmn)" R"(\^`cmn)" R"(]_fhmn)" R"(Zaijmn)" R"(cdfikm)" R"(\aghkm)" R"([]`jkm)" R"(^dehjm)" R"(_`abdm)"
    R"(Z`efgm)" R"(Z[bchm)" R"(]^bgim)" R"([\_eim)" R"(Z\]dlm)" R"([^aflm)" R"(_cgjlm)" R"(]_aikl)" R"(^`dgkl)"
    R"(Zfhjkl)" R"([bdijl)" R"(\`aejl)" R"([]eghl)" R"(\^_bhl)" R"(]`bcfl)" R"(Z^ceil)" R"(abefhi)" R"(Z_dghi)"
    R"([`acgi)" R"(Z\_acf)" R"([]^_cd)" R"(\bcdeg)" R"(Z]^`ah)" R"([\`dfh)" R"(]adfgj)" R"(Z[\^gj)" R"(Z]_bej)"
    R"(^_`fij)" R"(\]chij)" R"(^abcjk)" R"(_`cehk)" R"([_bfgk)" R"(\]^efk)" R"(Z[adek)" R"(Z\`bik)";

constexpr std::string_view kThreeForSix48 =
    R"(ABCENQ)" R"(ABDMPV)" R"(ABFGSU)" R"(ABHKLR)" R"(ABIJOT)" R"(ABWXYZ)" R"(ACDKST)" R"(ACFHJM)" R"(ACGIPR)"
    R"(ACLOUV)" R"(ADEGHO)" R"(ADFILQ)" R"(ADJNRU)" R"(AEFRTV)" R"(AEIKMU)" R"(AEJLPS)" R"(AFKNOP)" R"(AGJKQV)"
    R"(AGLMNT)" R"(AHINSV)" R"(AHPQTU)" R"(AMOQRS)" R"(BCDHIU)" R"(BCFLPT)" R"(BCGKMO)" R"(BCJRSV)" R"(BDEFJK)"
    R"(BDGQRT)" R"(BDLNOS)" R"(BEGILV)" R"(BEHMST)" R"(BEOPRU)" R"(BFHOQV)" R"(BFIMNR)" R"(BGHJNP)" R"(BIKPQS)"
    R"(BJLMQU)" R"(BKNTUV)" R"(CDELMR)" R"(CDFGNV)" R"(CDJOPQ)" R"(CDWXYZ)" R"(CEFIOS)" R"(CEGJTU)" R"(CEHKPV)"
    R"(CFKQRU)" R"(CGHLQS)" R"(CHNORT)" R"(CIJKLN)" R"(CIMQTV)" R"(CMNPSU)" R"(DEINPT)" R"(DEQSUV)" R"(DFHPRS)"
    R"(DFMOTU)" R"(DGIJMS)" R"(DGKLPU)" R"(DHJLTV)" R"(DHKMNQ)" R"(DIKORV)" R"(EFGMPQ)" R"(EFHLNU)" R"(EFWXYZ)"
    R"(EGKNRS)" R"(EHIJQR)" R"(EJMNOV)" R"(EKLOQT)" R"(FGHIKT)" R"(FGJLOR)" R"(FIJPUV)" R"(FJNQST)" R"(FKLMSV)"
    R"(GHMRUV)" R"(GHWXYZ)" R"(GINOQU)" R"(GOPSTV)" R"(HILMOP)" R"(HJKOSU)" R"(IJWXYZ)" R"(ILRSTU)" R"(JKMPRT)"
    R"(KLWXYZ)" R"(LNPQRV)" R"(MNWXYZ)" R"(OPWXYZ)" R"(QRWXYZ)" R"(STWXYZ)" R"(UVWXYZ)" R"(fhjklp)" R"(^ceilp)"
    R"(]_bejp)" R"([\^gjp)" R"(_dghip)" R"(\_acfp)" R"(]^`ahp)" R"([adekp)" R"(\`bikp)" R"(`efgmp)" R"([bchmp)"
    R"(\]dlmp)" R"(aijmnp)" R"(]cgknp)" R"(^bdfnp)" R"([_`lnp)" R"(\ehnop)" R"(^_kmop)" R"(`cdjop)" R"([]fiop)"
    R"(abglop)" R"([^dhlo)" R"(\_ijlo)" R"(]`eklo)" R"(achiko)" R"(\dfgko)" R"(^aefjo)" R"(_`bfho)" R"([_cego)"
    R"(\]^bco)" R"(bdeimo)" R"([\`amo)" R"(]ghjmo)" R"(cflmno)" R"(]_adno)" R"(^`gino)" R"([bjkno)" R"(degjln)"
    R"(]bhiln)" R"(\^akln)" R"(_efikn)" R"(`abcen)" R"([afghn)" R"([\cdin)" R"(^_chjn)" R"(\]`fjn)" R"([]^emn)"
    R"(\_bgmn)" R"(`dhkmn)" R"(^`bjlm)" R"(_aehlm)" R"([giklm)" R"(\cejkm)" R"(]abfkm)" R"(\^fhim)" R"(]_`cim)"
    R"(^acdgm)" R"([_dfjm)" R"(bcfgij)" R"([`ehij)" R"(\abdhj)" R"([]`bdg)" R"(\^_`de)" R"(]cdefh)" R"([^_abi)"
    R"(\]aegi)" R"(^beghk)" R"([\]_hk)" R"([^`cfk)" R"(_`agjk)" R"(]^dijk)" R"(_bcdkl)" R"(`adfil)" R"(\`cghl)"
    R"(]^_fgl)" R"([\befl)" R"([]acjl)";

// clang-format on

} // namespace

std::string_view DesignedThreeForSix(int numbers)
{
    switch (numbers) {
    case 30: return kThreeForSix30;
    case 32: return kThreeForSix32;
    case 34: return kThreeForSix34;
    case 36: return kThreeForSix36;
    case 38: return kThreeForSix38;
    case 40: return kThreeForSix40;
    case 41: return kThreeForSix41;
    case 42: return kThreeForSix42;
    case 43: return kThreeForSix43;
    case 44: return kThreeForSix44;
    case 45: return kThreeForSix45;
    case 46: return kThreeForSix46;
    case 47: return kThreeForSix47;
    case 48: return kThreeForSix48;
    default: return {};
    }
}
