#include "conkit/files/message_boxes.hpp"

#include "conkit/system/system_services.hpp"

namespace conkit {
namespace {

constexpr const char* kDefaultCaption = " ";

const char* CaptionOrDefault(const char* caption) {
    return caption != nullptr ? caption : kDefaultCaption;
}

}  // namespace

void DisplayMessageBox(const char* text, const char* caption) {
    os::CurrentSystem().MessageBoxA(text, CaptionOrDefault(caption), os::kMbOk);
}

std::int32_t AskYesNo(const char* text, const char* caption) {
    return os::CurrentSystem().MessageBoxA(text, CaptionOrDefault(caption),
                                           os::kMbYesNo | os::kMbIconQuestion);
}

}  // namespace conkit
