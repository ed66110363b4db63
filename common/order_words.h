// The bar's button identifiers and the eight words of the Order setting, with their row texts and defaults.
//
// Contract for both programs. config.ini's [TopBar Settings] "Order" is a
// comma-separated list of these words; "Display" holds one character per word,
// "1" for shown. Words are compared exactly (case and blanks count): "clocks",
// "Clock" or " clock" are no word. The setup program's Order page shows a word
// as its row text and maps the row text back to the word when it stores.
#pragma once

enum ButtonId {
    BUTTON_START_MENU = 0,
    BUTTON_MENU = 1,
    BUTTON_CLOSE = 2,
    BUTTON_OK = 3,
    BUTTON_VOLUME = 4,
    BUTTON_MUTE = 5,
    BUTTON_BATTERY = 6,
    BUTTON_HOME = 7,
    BUTTON_CONNECTION = 8,
    BUTTON_DISCONNECT = 9,
    BUTTON_CLOCK = 10,
    BUTTON_SIGNAL = 11,
};

constexpr int kOrderWordCount = 8;
constexpr int kOrderWordCapacity = 20;   // a word of an Order text: 19 characters and the terminator

// One of the eight words of the Order setting, with the button(s) it stands for.
struct OrderToken {
    const wchar_t* word;      // as written in "Order"
    const wchar_t* rowText;   // as the setup program lists it
    int first;                // ButtonId
    int second;               // the pair's partner (shown instead of first), or -1
};

// The eight words, each once.
const OrderToken* OrderTokens();

// The token of exactly that spelling, or null.
const OrderToken* FindOrderToken(const wchar_t* word);

// The token listed with exactly that row text, or null.
const OrderToken* FindOrderTokenByRowText(const wchar_t* rowText);

// The bar's defaults, written to config.ini on first start: with a phone
// "signal,connection,home,volume,battery,clock,menu,close" and "11111111",
// without one the same less "signal" and one "1". The setup program's Display
// default is DefaultDisplay(true) whatever the device.
const char* DefaultOrder(bool phone);
const char* DefaultDisplay(bool phone);
