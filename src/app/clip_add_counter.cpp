#include "app/clip_add_counter.h"

std::string ClipAddCounterText(const std::string& text)
{
    return "文字数 : " + std::to_string(text.size());
}
