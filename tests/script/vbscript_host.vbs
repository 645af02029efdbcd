' The same surface from a VBScript host: variables arrive by reference, left-out
' arguments are filled in, Nothing for lookups that find nothing, errors catchable.
Dim failures : failures = 0
Sub ok(cond, msg)
    If Not cond Then failures = failures + 1 : WScript.Echo "FAIL: " & msg
End Sub

Dim desk, f, g, n, caption, w
Set desk = CreateObject("Morvane.Desktop")
' Run with the argument "classic", the whole script runs in the classic look.
If WScript.Arguments.Count > 0 Then
    If WScript.Arguments(0) = "classic" Then desk.VisualStyles = 0
End If
ok desk.Version(False) = "1.142", "Version(False) = " & desk.Version(False)
ok desk.version = "1.142", "Version without its optional argument"

n = "Main" : caption = "From VBScript" : w = 260
Set f = desk.CreateForm(n, caption, , , w)
ok Not (f Is Nothing), "CreateForm with left-out arguments"
ok f.Name = "Main", "name = " & f.Name
ok desk.COUNT = 1, "Count = " & desk.COUNT
ok desk.Forms("MAIN").hwnd = f.hwnd, "forms by name"
ok desk(1).hwnd = f.hwnd, "default member by position"
ok desk.forms("nobody") Is Nothing, "an unknown name is Nothing"
ok desk.CreateForm("main", "x") Is Nothing, "a duplicate is Nothing"
ok f.controls("none") Is Nothing, "an unknown control is Nothing"
ok f.Count = 0, "no controls yet"

desk.DebugOption = 3
ok desk.DebugOption = 1, "DebugOption = " & desk.DebugOption
desk.DebugOption = 0

f.OnShow = "x = 1"
ok f.OnShow = "x = 1", "OnShow = " & f.OnShow
ok f.LastEvent = "", "LastEvent of a hidden form"

On Error Resume Next
Set g = desk.CreateForm("Bad", "x", Null)
ok Err.Number = 13, "Null for a number: error " & Err.Number
Err.Clear
Set g = desk.CreateForm("Bad", "x", "ten")
ok Err.Number = 13, "text for a number: error " & Err.Number
Err.Clear
Set g = desk.CreateForm("Bad", "x", 1E+20)
ok Err.Number = 6, "overflow: error " & Err.Number
Err.Clear
desk.NoSuchThing
ok Err.Number <> 0, "unknown member fails"
Err.Clear
On Error GoTo 0

desk.CloseAll
ok desk.Count = 0, "Count after CloseAll"
ok f.LastEvent = "", "LastEvent after CloseAll"

If failures = 0 Then WScript.Echo "PASS"
