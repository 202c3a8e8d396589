#include "net/http/TNHTTPCodingClasses.h"

#include "net/http/TNCompoundResponseSerializer.h"
#include "net/http/TNHTTPRequestOperationManager.h"
#include "net/http/TNImageResponseSerializer.h"
#include "net/http/TNJSONRequestSerializer.h"
#include "net/http/TNJSONResponseSerializer.h"
#include "net/http/TNPropertyListRequestSerializer.h"
#include "net/http/TNPropertyListResponseSerializer.h"
#include "net/http/TNXMLParserResponseSerializer.h"
#include "platform/foundation/Coding.h"

void TNRegisterHTTPCodingClasses() {
    ns::registerCodingClass<TNHTTPRequestSerializer>("TNHTTPRequestSerializer");
    ns::registerCodingClass<TNJSONRequestSerializer>("TNJSONRequestSerializer");
    ns::registerCodingClass<TNPropertyListRequestSerializer>("TNPropertyListRequestSerializer");
    ns::registerCodingClass<TNHTTPResponseSerializer>("TNHTTPResponseSerializer");
    ns::registerCodingClass<TNJSONResponseSerializer>("TNJSONResponseSerializer");
    ns::registerCodingClass<TNXMLParserResponseSerializer>("TNXMLParserResponseSerializer");
    ns::registerCodingClass<TNPropertyListResponseSerializer>("TNPropertyListResponseSerializer");
    ns::registerCodingClass<TNImageResponseSerializer>("TNImageResponseSerializer");
    ns::registerCodingClass<TNCompoundResponseSerializer>("TNCompoundResponseSerializer");
    ns::registerCodingClass<TNURLConnectionOperation>("TNURLConnectionOperation");
    ns::registerCodingClass<TNHTTPRequestOperation>("TNHTTPRequestOperation");
    ns::registerCodingClass<TNHTTPRequestOperationManager>("TNHTTPRequestOperationManager");
}
