// What a control shows and whether it can be used: Enable, Locked, Caption, TextAlign,
// PasswordStyle, Value, Text, SetFocus, SetAsDefault and SetAsCancel. Their rows are
// kind-specific: the dispatcher has asked the property table whether the member applies to
// the control's kind before a handler here runs. When the control's window is gone, a
// getter reads 0 or the empty string and a setter or method changes nothing. Nothing is
// kept in the object except an image's source path.
#pragma once

#include <string>

#include "com/dispatch.h"

namespace mv {
class Control;
}  // namespace mv

namespace mv::content_props {

// An image's Caption: the picture file it shows, drawn at once (while its window is there).
void ShowPicture(Control& c, const std::wstring& path);

// Member handlers with the signature of the control's member-table rows.
MemberHandler<Control> GetEnable, PutEnable, GetLocked, PutLocked, GetCaption, PutCaption, GetTextAlign, PutTextAlign,
    GetPasswordStyle, PutPasswordStyle, GetValue, PutValue, GetText, PutText, SetFocus, SetAsDefault,
    SetAsCancel;

}  // namespace mv::content_props
