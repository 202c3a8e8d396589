// ns::XMLParser: the platform's event-driven XML reader over expat. It is
// set up over bytes and runs when parse() is called, telling its delegate
// about elements, their attributes (in document order) and the text
// between them. Entities are expanded within expat's limits (no external
// entities are ever fetched); malformed input stops the run with an error.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

namespace ns {

inline constexpr const char* kXMLParserErrorDomain = "NSXMLParserErrorDomain";

class XMLParser;

class XMLParserDelegate {
public:
    virtual ~XMLParserDelegate() = default;
    virtual void parserDidStartDocument(XMLParser&) {}
    virtual void parserDidEndDocument(XMLParser&) {}
    virtual void parserDidStartElement(XMLParser&, const std::string& /*elementName*/,
                                       const Dictionary& /*attributes*/) {}
    virtual void parserDidEndElement(XMLParser&, const std::string& /*elementName*/) {}
    // Text may arrive in several pieces.
    virtual void parserFoundCharacters(XMLParser&, const std::string& /*text*/) {}
    virtual void parserParseErrorOccurred(XMLParser&, const ErrorPtr& /*error*/) {}
};

class XMLParser : public Object {
public:
    static std::shared_ptr<XMLParser> create(Data data);

    const Data& data() const { return data_; }
    std::shared_ptr<XMLParserDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<XMLParserDelegate>& delegate) { delegate_ = delegate; }

    // Runs over the whole document once; false (and parserError) when the
    // document is malformed or the run was aborted.
    bool parse();
    // From a delegate call: stops the run, which then fails.
    void abortParsing() { aborted_ = true; }
    ErrorPtr parserError() const { return error_; }
    // The line being read (from 1), or where the run stopped.
    long lineNumber() const { return line_; }

private:
    explicit XMLParser(Data data) : data_(std::move(data)) {}
    struct Run;

    Data data_;
    std::weak_ptr<XMLParserDelegate> delegate_;
    bool parsed_ = false;
    bool aborted_ = false;
    ErrorPtr error_;
    long line_ = 0;
};

using XMLParserPtr = std::shared_ptr<XMLParser>;

}  // namespace ns
