' Shaping a form from VBScript, which passes its variables by reference.
Option Explicit
Dim failures : failures = 0
Sub ok(cond, msg)
    If Not cond Then failures = failures + 1 : WScript.Echo "FAIL: " & msg
End Sub

Dim desktop, form, owner, half, w
Set desktop = CreateObject("Morvane.Desktop")
' Run with the argument "classic", the whole script runs in the classic look.
If WScript.Arguments.Count > 0 Then
    If WScript.Arguments(0) = "classic" Then desktop.VisualStyles = 0
End If
Set owner = desktop.CreateForm("owner", "Owner", 50, 50, 300, 200)
Set form = desktop.CreateForm("tool", "Tool", 400, 50, 250, 150)

half = 50
form.Layered = half
ok form.Layered = 50, "Layered = " & form.Layered
form.TopMost = 1
ok form.TopMost = 1, "TopMost = " & form.TopMost
form.ShowInTaskbar = 0
ok form.ShowInTaskbar = 0, "ShowInTaskbar = " & form.ShowInTaskbar
form.HwndOwner = owner.hwnd
ok form.HwndOwner = owner.hwnd, "HwndOwner = " & form.HwndOwner
form.ChangeSysMenu 0, 0, 0
ok form.Moveable = 1, "Moveable before = " & form.Moveable
form.Moveable = 0
ok form.Moveable = 0, "Moveable after = " & form.Moveable
w = 321
form.MoveResize , , w
ok form.Width = 321, "Width = " & form.Width
ok form.Left = 400, "Left = " & form.Left
form.Caption = "Renamed " & String(300, "x")
ok Len(form.Caption) = 254, "Len(Caption) = " & Len(form.Caption)
ok Left(form.Caption, 8) = "Renamed ", "Caption = " & Left(form.Caption, 8)

desktop.CloseAll
ok form.Layered = 100, "Layered after CloseAll = " & form.Layered
ok form.Caption = "", "Caption after CloseAll = " & form.Caption
If failures = 0 Then WScript.Echo "PASS"
