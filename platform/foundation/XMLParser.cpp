#include "platform/foundation/XMLParser.h"

#include <expat.h>

#include <climits>

namespace ns {

namespace {

// The platform's code for a run stopped by its delegate.
constexpr std::int64_t kDelegateAbortedParseError = 512;

}  // namespace

struct XMLParser::Run {
    XMLParser& parser;
    std::shared_ptr<XMLParserDelegate> delegate;
    XML_Parser expat;

    void stopIfAborted() {
        if (parser.aborted_) XML_StopParser(expat, XML_FALSE);
    }

    static void onStart(void* user, const XML_Char* name, const XML_Char** attributes) {
        auto* run = static_cast<Run*>(user);
        Dictionary dictionary;
        for (int i = 0; attributes[i] && attributes[i + 1]; i += 2) dictionary.set(attributes[i], std::string(attributes[i + 1]));
        run->delegate->parserDidStartElement(run->parser, name, dictionary);
        run->stopIfAborted();
    }
    static void onEnd(void* user, const XML_Char* name) {
        auto* run = static_cast<Run*>(user);
        run->delegate->parserDidEndElement(run->parser, name);
        run->stopIfAborted();
    }
    static void onText(void* user, const XML_Char* text, int length) {
        auto* run = static_cast<Run*>(user);
        run->delegate->parserFoundCharacters(run->parser, std::string(text, static_cast<std::size_t>(length)));
        run->stopIfAborted();
    }
};

std::shared_ptr<XMLParser> XMLParser::create(Data data) {
    return std::shared_ptr<XMLParser>(new XMLParser(std::move(data)));
}

bool XMLParser::parse() {
    // One run per parser, as the platform allows.
    if (parsed_) return false;
    parsed_ = true;
    auto delegate = delegate_.lock();
    if (!delegate) delegate = std::make_shared<XMLParserDelegate>();
    XML_Parser expat = XML_ParserCreate("UTF-8");
    if (!expat) {
        error_ = Error::withDescription(kXMLParserErrorDomain, XML_ERROR_NO_MEMORY, "The parser could not be made.");
        return false;
    }
    Run run{*this, delegate, expat};
    XML_SetUserData(expat, &run);
    XML_SetElementHandler(expat, &Run::onStart, &Run::onEnd);
    XML_SetCharacterDataHandler(expat, &Run::onText);

    delegate->parserDidStartDocument(*this);
    bool ok = !aborted_;
    if (ok) {
        // Documents beyond what one call takes are fed in pieces.
        const char* bytes = reinterpret_cast<const char*>(data_.bytes());
        std::size_t left = data_.length();
        do {
            int piece = static_cast<int>(std::min<std::size_t>(left, INT_MAX));
            left -= static_cast<std::size_t>(piece);
            ok = XML_Parse(expat, bytes, piece, left == 0) == XML_STATUS_OK;
            bytes += piece;
        } while (ok && left > 0);
    }
    line_ = static_cast<long>(XML_GetCurrentLineNumber(expat));
    if (aborted_) {
        error_ = Error::withDescription(kXMLParserErrorDomain, kDelegateAbortedParseError, "Parsing was aborted.");
        ok = false;
    } else if (!ok) {
        XML_Error code = XML_GetErrorCode(expat);
        error_ = Error::withDescription(kXMLParserErrorDomain, static_cast<std::int64_t>(code),
                                        std::string(XML_ErrorString(code)) + " (line " + std::to_string(line_) + ")");
    }
    XML_ParserFree(expat);
    if (ok)
        delegate->parserDidEndDocument(*this);
    else
        delegate->parserParseErrorOccurred(*this, error_);
    return ok;
}

}  // namespace ns
