// The main window's icon: a running figure on a grey square, 32 × 32 pixels in the
// 16 colours of the standard Windows palette, as XPM text.
#include "ui/icon.h"

namespace quillon {
namespace {

// Colours: k black, w white, . light grey, d dark grey (the bevel), b blue shirt,
// r red shorts, o olive skin; the rest of the palette stands ready for edits.
const char* const kQuillonIconXpm[] = {
    "32 32 16 1",
    "k c #000000",
    "m c #800000",
    "g c #008000",
    "o c #808000",
    "a c #000080",
    "p c #800080",
    "t c #008080",
    ". c #C0C0C0",
    "d c #808080",
    "r c #FF0000",
    "l c #00FF00",
    "y c #FFFF00",
    "b c #0000FF",
    "f c #FF00FF",
    "c c #00FFFF",
    "w c #FFFFFF",
    "wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww",
    "w.............................dk",
    "w.............................dk",
    "w.............................dk",
    "w.................oooo........dk",
    "w................oooooo.......dk",
    "w................oooooo.......dk",
    "w................oooooo.......dk",
    "w.................oooo........dk",
    "w................bbb..........dk",
    "w........ooo....bbbbb.........dk",
    "w........oooo..bbbbb..........dk",
    "w.........oooobbbbbbb...ooo...dk",
    "w..........ooobbbbbbbb.oooo...dk",
    "w...........bb.bbbbbbbooo.....dk",
    "w.............bbbbb..ooo......dk",
    "w.............bbbb....o.......dk",
    "w............bbbbb............dk",
    "w............bbbb.............dk",
    "w............bbbbr............dk",
    "w...........rrbbrrr...........dk",
    "w...k......rrrr.rrrr..........dk",
    "w..kkk....rrrr...rroo.........dk",
    "w...kkoooooor.....roo.........dk",
    "w...kkkooooo......ooo.........dk",
    "w....kooo.........ooo.........dk",
    "w.................ooo.........dk",
    "w.................okkk........dk",
    "w.................kkkkk.......dk",
    "w.............................dk",
    "wddddddddddddddddddddddddddddddk",
    "wkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk"
};

}  // namespace

Icon QuillonIcon() { return Icon{kQuillonIconXpm}; }

}  // namespace quillon
