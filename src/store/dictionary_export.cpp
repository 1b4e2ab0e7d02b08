#include "store/dictionary_export.h"

#include <algorithm>
#include <vector>

#include "store/dictionary_merge.h"
#include "store/text_encoding.h"

namespace {

struct ExportFormat {
    DictionaryFormat format;
    TextEncoding encoding;
    const char* header;
    // Mozc's lines end in a comment column, empty when there is no comment.
    const char* lineEnd;
};

const ExportFormat ExportFormats[] = {
    {DictionaryFormat::MicrosoftIme, TextEncoding::Utf16LeWithBom,
     "!Microsoft IME Dictionary Tool\r\n!Version:\r\n!Format:WORDLIST\r\n!User Dictionary Name: Vemplor\r\n",
     "\r\n"},
    {DictionaryFormat::Mozc, TextEncoding::Utf8, "", "\t\r\n"},
};

const std::string EmoticonPartOfSpeech = u8"顔文字";

bool IsReadingCharacter(char32_t character)
{
    return (character >= U'ぁ' && character <= U'ゖ') || (character >= U'゛' && character <= U'ゞ') ||
           character == U'ー' || (character >= U'0' && character <= U'9') ||
           (character >= U'A' && character <= U'Z') || (character >= U'a' && character <= U'z');
}

// Katakana that has a hiragana twin (ァ to ヶ, ヽ, ヾ) is written as it.
char32_t AsHiragana(char32_t character)
{
    bool twin = (character >= U'ァ' && character <= U'ヶ') || character == U'ヽ' || character == U'ヾ';
    return twin ? character - (U'ァ' - U'ぁ') : character;
}

bool IsDictionaryWord(const std::string& face)
{
    std::size_t characters = 0;
    for (std::size_t at = 0, length = 0; at < face.size(); at += length, ++characters) {
        char32_t character = Utf8CharacterAt(face, at, length);
        if (character < 0x20 || character == 0x7F) {
            return false;
        }
    }
    return characters > 0 && characters <= DictionaryTextLimit;
}

const ExportFormat& FormatFor(DictionaryFormat format)
{
    return *std::find_if(std::begin(ExportFormats), std::end(ExportFormats),
                         [&](const ExportFormat& each) { return each.format == format; });
}

} // namespace

std::string DictionaryReading(const std::string& reading)
{
    std::string written;
    std::size_t characters = 0;
    for (std::size_t at = 0, length = 0; at < reading.size(); at += length, ++characters) {
        char32_t character = AsHiragana(Utf8CharacterAt(reading, at, length));
        if (!IsReadingCharacter(character)) {
            return std::string();
        }
        AppendUtf8(written, character);
    }
    return characters <= DictionaryTextLimit ? written : std::string();
}

DictionaryExport ExportDictionary(const TextList& faces, const TextList& tags, DictionaryFormat format)
{
    const ExportFormat& form = FormatFor(format);
    DictionaryExport result;
    std::string text = form.header;
    text.reserve(faces.size() * 32);
    for (std::size_t i = 0; i < faces.size(); ++i) {
        std::vector<std::string> readings;
        for (const std::string& reading : ReadingsOfTag(tags[i])) {
            std::string written = DictionaryReading(reading);
            if (!written.empty() && std::find(readings.begin(), readings.end(), written) == readings.end()) {
                readings.push_back(written);
            }
        }
        if (readings.empty() || !IsDictionaryWord(faces[i])) {
            result.leftOut.push_back(faces[i]);
            continue;
        }
        for (const std::string& reading : readings) {
            text += reading;
            text += '\t';
            text += faces[i];
            text += '\t';
            text += EmoticonPartOfSpeech;
            text += form.lineEnd;
        }
        result.lines += readings.size();
        ++result.entriesWritten;
    }
    ListFileForm fileForm;
    fileForm.encoding = form.encoding;
    result.bytes = EncodeListFile(text, fileForm);
    return result;
}
