#include "art/portraits.h"

namespace qm::art {

// A masked face in a deep hood, the cloak fastened at the throat.
const std::array<std::string_view, kPortraitHeight> kThiefPortrait = {
    R"(     .,;;;,.     )", R"(   .;#@@@@@#;.   )", R"(  ;#@@@@@@@@@#;  )", R"( ;@@#;:::::;#@@; )",
    R"( #@;`@'   '@`;@# )", R"( #@;  .. ..  ;@# )", R"( #@@;###;###;@@# )", R"( ;@@@###@###@@@; )",
    R"( .#@@@@@@@@@@@#. )", R"(.;#@@@@@@@@@@@#;.)", R"(#@@@@@@@@@@@@@@@#)", R"(@@@@@#;@:@;#@@@@@)",
    R"(@@@@@@; ' ;@@@@@@)", R"(@@@@@@@;.;@@@@@@@)", R"(@@@@@@@@'@@@@@@@@)",
};

// A pointed hat over a long beard.
const std::array<std::string_view, kPortraitHeight> kWizardPortrait = {
    R"(        .        )", R"(       ;#;       )", R"(      ;@@@;      )", R"(     ;@@@@@;     )",
    R"(    ;@@@@@@@;    )", R"(  .;#@@@@@@@#;.  )", R"(,;#@@@@@@@@@@@#;,)", R"( `';;;;;;;;;;;'` )",
    R"(   ;`@;   ;@`;   )", R"(   ;:  ' '  :;   )", R"(   ;;### ###;;   )", R"(  .;#########;.  )",
    R"( .+###########+. )", R"(;###############;)", R"(@####;#####;####@)",
};

// A closed helmet with its visor slit, on armoured shoulders.
const std::array<std::string_view, kPortraitHeight> kKnightPortrait = {
    R"(      ,;;;,      )", R"(    .+#####+.    )", R"(   ;#@@@@@@@#;   )", R"(  ;@@@@@@@@@@@;  )",
    R"(  #@@@@@@@@@@@#  )", R"(  #@;;;;;;;;;@#  )", R"(  #@:'@@@@@':@#  )", R"(  #@@;;;;;;;@@#  )",
    R"(  #@@:.:.:.:@@#  )", R"(  ;#@@@@@@@@@#;  )", R"(   `;#@@@@@#;`   )", R"( .,;+#@@@@@#+;,. )",
    R"(;##@@@@@@@@@@@##;)", R"(@@@@+@@@@@@@+@@@@)", R"(@@@@@+@@@@@+@@@@@)",
};

// A hood with a feather in it and the quiver strap across the chest.
const std::array<std::string_view, kPortraitHeight> kHunterPortrait = {
    R"(            .,   )", R"(      .,;, ;'    )", R"(    .;#@@@;'     )", R"(   ;#@@@@@@#;    )",
    R"(  ;@@@@@@@@@@;   )", R"(  #@#;;;;;;;#@#  )", R"(  #@;`@; ;@`;@#  )", R"(  #@;:  '  :;@#  )",
    R"(  #@@;.;#;.;@@#  )", R"(  ;#@@;###;@@#;  )", R"( .;#@@@;#;@@@:;. )", R"(;#@@@@@@@@@@@:@#;)",
    R"(@@@@@@@@@@@@:@@@@)", R"(@@@@@@@@@@@:@@@@@)", R"(@@@@@@@@@@:@@@@@@)",
};
}  // namespace qm::art
