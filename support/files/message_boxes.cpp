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
    system::CurrentSystem().MessageBoxA(text, CaptionOrDefault(caption), system::kMbOk);
}

std::int32_t AskYesNo(const char* text, const char* caption) {
    return system::CurrentSystem().MessageBoxA(text, CaptionOrDefault(caption),
                                               system::kMbYesNo | system::kMbIconQuestion);
}

}  // namespace conkit
