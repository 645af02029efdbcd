' A log viewer that resizes well: the list of lines grows with the window in both
' directions (Anchor "LTRB"), the box below it that shows the selected line in full keeps
' to the bottom and grows in width (Anchor "LRB"), and Close keeps to the bottom-right
' corner (Anchor "RB"). The user cannot make the window too small to use (MinWidth,
' MinHeight); once the user has resized it, the caption shows its new size (OnResize).
'   cscript //nologo examples/log_viewer.vbs [file]
Option Explicit
Const LINES = 40
Dim desk, form, list, line, closer, shown, i, file, evt
Set desk = CreateObject("Morvane.Desktop")
Set form = desk.CreateForm("viewer", "Log viewer", 120, 100, 520, 380)
form.MinWidth = 320
form.MinHeight = 240
Set list = form.AddListBox("lines", 10, 10, 484, 256)
list.AutoSort = 0                      ' the lines in the order they were written
list.Anchor = "LTRB"
Set line = form.AddTextbox("line", "", 10, 276, 390, 24)
line.Locked = 1
line.Anchor = "LRB"
Set closer = form.AddCmdButton("close", "Close", 414, 275, 80, 26, "close")
closer.Anchor = "RB"

shown = 0
If WScript.Arguments.Count > 0 Then
    Set file = CreateObject("Scripting.FileSystemObject").OpenTextFile(WScript.Arguments(0), 1)
    Do Until file.AtEndOfStream
        list.AddItem file.ReadLine
        shown = shown + 1
    Loop
    file.Close
Else
    For i = 1 To LINES
        list.AddItem "08:" & Right("0" & i, 2) & ":00  backup  copied folder " & i & " of " & LINES
        shown = shown + 1
    Next
End If

list.OnChange = "changed"
form.OnResize = "resized"
form.OnHide = "close"                  ' the close box
form.Visible = 1
Do
    evt = form.LastEvent
    Select Case evt
        Case "changed": line.Text = list.Item(list.ListIndex)
        Case "resized": form.Caption = "Log viewer (" & form.Width & " x " & form.Height & ")"
    End Select
Loop Until evt = "close" Or evt = ""
WScript.Echo "Log viewer closed at " & form.Width & " x " & form.Height & ": " & shown & " lines shown."
desk.CloseAll
