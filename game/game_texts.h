// Every text the game draws, as the bytes handed to drawText (Japanese in
// Shift-JIS), and the one buffer that texts with numbers are formatted into
// just before they are drawn. Used by the title frame and the frame of play.
#pragma once

extern const char kTextHello[];
extern const char kTextNormalMode[];
extern const char kTextScoreAttackMode[];
extern const char kTextHighScore[];
extern const char kTextClickR[];
extern const char kTextStage[];
extern const char kTextFps[];
extern const char kTextSoul[];
extern const char kTextScore[];
extern const char kTextRemaining[];
extern const char kTextFinished[];

// printf-style formatting into the game's one 256-character text buffer;
// returns the buffer.
const char* formatText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
