#include "art/portraits.h"

namespace qm::art {

// A raider under a broad pirate hat, bearded, with a tall crown that takes the extra row.
const std::array<std::string_view, 16> kHumanPortrait = {
    R"(        ,        )", R"(      .;@;.      )", R"(    .+@@@@@+.    )", R"(  .+@@@@@@@@@+.  )",
    R"(,;#@@@@@@@@@@@#;,)", R"( ``:;;;;;;;;;:`` )", R"(    ;:.   .:;    )", R"(    ;`@; ;@`;    )",
    R"(    ;:  '  :;    )", R"(    `;.;#;.;`    )", R"(     ;@#:#@;     )", R"(   .,`;###;`,.   )",
    R"( .+#+;,''',;+#+. )", R"(;###+;;:::;;+###;)", R"(@###+;;:::;;+###@)", R"(@@##+;;:::;;+##@@)",
};

// A lizard face with eyes on the sides of its head and stripes of tribal paint.
const std::array<std::string_view, kPortraitHeight> kLacertiPortrait = {
    R"(    .,;;;;;,.    )", R"(  .+#########+.  )", R"( ;#@@+#####+@@#; )", R"(;#@'.@#####@.'@#;)",
    R"(#@@@@#+:+:+#@@@@#)", R"(`#@@####:####@@#`)", R"( `;###;;;;;###;` )", R"(   ;#+.....+#;   )",
    R"(   `;#@@@@@#;`   )", R"(    `;#@@@#;`    )", R"(  .,;+#####+;,.  )", R"(.+##;:;+#+;:;##+.)",
    R"(;###+;:::::;+###;)", R"(@##+;;:::::;;+##@)", R"(@@#+;:::::::;+#@@)",
};

// A shaggy snow-monster whose ivory tusks curve down past its jaw.
const std::array<std::string_view, kPortraitHeight> kIlmungaePortrait = {
    R"(   .,;+###+;,.   )", R"( .;#@@@@@@@@@#;. )", R"(;@@#;'@@@@@';#@@;)", R"(#@@+ `@@@@@` +@@#)",
    R"(@@@@#;;#@#;;#@@@@)", R"(#@@@@@#;;;#@@@@@#)", R"(;:`#@@@+;+@@@#`:;)", R"(;. `+@@@@@@@+` .;)",
    R"(:.  ;#@@@@@#;  .:)", R"(`;,.`+@@@@@+`.,;`)", R"( `;;;#@@@@@#;;;` )", R"(.;+#@@@@@@@@@#+;.)",
    R"(;#@@@@@@@@@@@@@#;)", R"(@@@@@@@@@@@@@@@@@)", R"(@@@@@@@@@@@@@@@@@)",
};

// A pear with a stem and a leaf, two eyes and a small smile.
const std::array<std::string_view, kPortraitHeight> kPearPortrait = {
    R"(        ,        )", R"(        ;  .,,.  )", R"(        ;.;+##+' )", R"(        ;;'''`   )",
    R"(      .,;,.      )", R"(     ;+###+;     )", R"(    ;#######;    )", R"(    #@'###'@#    )",
    R"(    ;#######;    )", R"(   .;##`.'##;.   )", R"(  ;###########;  )", R"( ;#############; )",
    R"( ############### )", R"( `#############` )", R"(  `';;;;;;;;;'`  )",
};
}  // namespace qm::art
