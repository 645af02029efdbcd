// What a control shows and whether it can be used: Enable, Locked, Caption, TextAlign,
// PasswordStyle, Value, Text, SetFocus and SetAsDefault. Each member first asks the
// property table whether it applies to the control's kind ("Bad property" while
// diagnostics are on); when it does not, or the control's window is gone, a getter reads
// 0 or the empty string and a setter or method changes nothing. Nothing is kept in the
// object except an image's source path.
#pragma once

#include "com/dispatch.h"

namespace mv {

class Control;

namespace content_props {

HRESULT GetEnable(Control& c, const Args& a, Result& r);
HRESULT PutEnable(Control& c, const Args& a, Result& r);
HRESULT GetLocked(Control& c, const Args& a, Result& r);
HRESULT PutLocked(Control& c, const Args& a, Result& r);
HRESULT GetCaption(Control& c, const Args& a, Result& r);
HRESULT PutCaption(Control& c, const Args& a, Result& r);
HRESULT GetTextAlign(Control& c, const Args& a, Result& r);
HRESULT PutTextAlign(Control& c, const Args& a, Result& r);
HRESULT GetPasswordStyle(Control& c, const Args& a, Result& r);
HRESULT PutPasswordStyle(Control& c, const Args& a, Result& r);
HRESULT GetValue(Control& c, const Args& a, Result& r);
HRESULT PutValue(Control& c, const Args& a, Result& r);
HRESULT GetText(Control& c, const Args& a, Result& r);
HRESULT PutText(Control& c, const Args& a, Result& r);
HRESULT SetFocus(Control& c, const Args& a, Result& r);
HRESULT SetAsDefault(Control& c, const Args& a, Result& r);

}  // namespace content_props

}  // namespace mv
