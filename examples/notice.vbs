' A notice with a "Don't show again" check box: shown at every run until the user
' ticks the box; the choice is kept in the user's registry.
'   cscript //nologo examples/notice.vbs
Option Explicit
Const SETTING = "HKCU\Software\Morvane Examples\Notice\Hide"
Dim shell, desk, form, again, ok, evt, hidden
Set shell = CreateObject("WScript.Shell")

On Error Resume Next                   ' RegRead fails while nothing is saved
hidden = (shell.RegRead(SETTING) = 1)
On Error GoTo 0
If hidden Then
    WScript.Echo "The notice stays hidden, as the user asked."
    WScript.Quit
End If

Set desk = CreateObject("Morvane.Desktop")
Set form = desk.CreateForm("notice", "Maintenance tonight", 250, 200, 360, 180)
form.Resizeable = 0
form.ChangeSysMenu 0, 0, 2             ' only the close box on the title bar
form.AddLabel "text", "The file server restarts at 22:00 tonight. " & _
    "Save your work and close your files before you leave.", 16, 16, 320, 48
Set again = form.AddCheckBox("again", "Don't show this again", 16, 80, 200, 22)
Set ok = form.AddCmdButton("ok", "OK", 256, 104, 80, 28, "ok")
ok.SetAsDefault                        ' the focus starts on OK: Enter or Space closes

form.Visible = 1
Do
    evt = form.LastEvent               ' "ok", or "" when closed from the title bar
Loop Until evt = "ok" Or evt = ""

If again.Value = 1 Then
    shell.RegWrite SETTING, 1, "REG_DWORD"
    WScript.Echo "Notice read; it will not be shown again."
Else
    WScript.Echo "Notice read; it will be shown next time."
End If
desk.CloseAll
