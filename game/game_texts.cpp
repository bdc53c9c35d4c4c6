#include "game_texts.h"

#include <cstdarg>
#include <cstdio>

const char kTextHello[] = "Hello!! QMX world!!";
const char kTextNormalMode[] = "normal mode ->L Click!";
const char kTextScoreAttackMode[] = "score attack mode ->R Click!";
const char kTextHighScore[] = "HIGH SCORE=%4.0f";
const char kTextClickR[] = "click R button";
const char kTextStage[] = "%6d";
const char kTextFps[] = "FPS=%4.2f";
const char kTextSoul[] = "SOUL x=%4.2f";
const char kTextScore[] = "score=%4.0f";
// "あと=%4.2f秒" (remaining ... seconds)
const char kTextRemaining[] = "\x82\xa0\x82\xc6=%4.2f\x95\x62";
// "終了 -> space!" (finished)
const char kTextFinished[] = "\x8f\x49\x97\xb9 -> space!";

namespace {
char textBuffer[256];
}

const char* formatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(textBuffer, sizeof textBuffer, format, args);
    va_end(args);
    return textBuffer;
}
