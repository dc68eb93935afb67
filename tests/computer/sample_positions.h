// A fixed list of positions with the upper side (the computer) to move, for
// the search's regression signature and its benchmark: starts with and
// without handicap, quiet and sharp middle games, full hands, and positions
// where either king is in check (some of them with a mate in one).
#pragma once

#include <array>
#include <string_view>

namespace qz::testing {

struct 見本局面 {
  std::string_view 名前;
  std::string_view sfen;
};

inline constexpr std::array<見本局面, 24> 見本局面一覧 = {{
    {"start", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1"},
    {"start_7g7f", "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w - 1"},
    {"handicap_com_rook", "lnsgkgsnl/7b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1"},
    {"handicap_com_two", "lnsgkgsnl/9/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1"},
    {"handicap_man_two", "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/9/LNSGKGSNL w - 1"},
    {"quiet_1", "4g3b/4k4/Psnp1prpl/np3sp1p/1Pp1BRP1G/2PPPP1P1/+l1N5P/LS1SK1G1L/9 w Pp 1"},
    {"quiet_2", "ln1g1k1nl/2rs1s1b1/ppp1p1p1p/3p1g1p1/1P7/6PPP/P1PPPP1R1/1B1SG1S1L/LN2KG1N1 w - 1"},
    {"quiet_3", "l1sg1gsnl/1rk4b1/npppppppp/9/7P1/9/1PPPPPP1P/1B1l3R1/1NSGKGSNL w - 1"},
    {"quiet_4", "ln1sk1sn1/3r1g1bl/1gp2pppp/pp1pp4/6P2/P8/1PPPPPNPP/3G1KRSL/LNBS2G2 w - 1"},
    {"sharp_1", "1ngk3n1/1r3r1bl/1sppp1sp1/lp6p/p2P2P1L/4PS2G/PPP2P3/LK2+n2P1/BNS6 w P2gp 1"},
    {"sharp_2", "ln4s2/rg2kg2l/1psppp2p/p1p3Pp1/2P6/P8/1PRPPP2N/3SG3L/L2GK1S2 w BNPbn2p 1"},
    {"sharp_3", "1nk1g1gnB/l1s2s3/p2p5/2p3pp1/1p5G1/LP2rPb2/PS1n1GP1P/3K5/L1P3SN1 w P3p 1"},
    {"sharp_4", "l2gs2nl/1rs3gb1/1p2kpppp/p1p6/3pp4/P2PPP1PP/LP2G1P2/1BK5L/2S1G2+n1 w rs2np 1"},
    {"sharp_5", "1k2g4/1r3sg2/lpsppp2l/pS4p1p/5P1N1/PPP2G3/2G1P2PP/L1p1N1SR1/BN4K1L w N2Pbp 1"},
    {"hands_1", "4k4/4g4/9/9/9/9/9/4G4/4K4 w RBG2S2N2L9Prbg2s2n2l9p 1"},
    {"hands_2", "l3k3l/4g4/p1p1p1p1p/9/9/9/P1P1P1P1P/4G4/L3K3L w RBG2S2N4Prbg2s2n4p 1"},
    {"hands_3", "3gkg3/9/9/9/9/9/9/9/3GKG3 w RBSNL4Prbsnl4p 1"},
    {"com_check_1", "lns2s3/1r1kgg2l/1ppp+B3n/p1P3ppp/9/N4P3/PP+bPP1PPP/1G1SG1SRL/LK5N1 w 2P 1"},
    {"com_check_2", "2gRk1s1l/3gl3P/lsnp1p1pn/pP2pnp2/2p5p/4PP1P1/1p+bP2PRN/1BS6/1K1GG1S1L w - 1"},
    {"com_check_3",
     "1r1s2snl/l5+Nb1/p1k1p1p1p/1pPg5/2p2p1P1/P2p1P2P/1PNPP1P1S/LBG2R3/2SK2GGL w p 1"},
    {"man_check_1", "1nsgkgs2/lr4bb1/ppp1rpn2/4p3P/5P3/P1P3P2/1P2P2P1/1S2+lK3/1N1GG1S+l1 w n2p 1"},
    {"man_check_mate_1", "lnkg4l/3rg4/2s1p1s2/p2p1Bpp1/7np/1P6P/P2P1bP2/L2SK1RSL/3GG2N1 w 2Pn5p 1"},
    {"man_check_mate_2", "l5snl/2g2kgb1/pp3pp1p/4p4/N2p3p1/5PP2/P+rKPP2PP/LBS6/1NGRG2SL w n 1"},
    {"mate_drop", "1n1g1k1nB/l2sg1s2/p1ppp2Lp/6pp1/1b3pPP1/1P7/P3Pr2P/L2KG2R1/2S2GSNL w 2Pn2p 1"},
}};

}  // namespace qz::testing
