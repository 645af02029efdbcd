' A three-page wizard on one form: each page is a set of controls shown while the page
' is current; Back and Next move between the pages and Finish ends on the last one.
'   cscript //nologo examples/wizard.vbs
Option Explicit
Dim desk, form, title, userBox, typical, custom, printers, summary, back, nextButton
Dim pages(2), titles, page, evt
Set desk = CreateObject("Morvane.Desktop")
Set form = desk.CreateForm("wizard", "New workstation", 220, 160, 420, 260)
form.Resizeable = 0
Set title = form.AddLabel("title", "", 16, 12, 380, 20)
title.FontStyle = "b"

' Page 1: who the workstation is for.
Set userBox = form.AddTextbox("user", "", 110, 48, 200, 22)
pages(0) = Array(form.AddLabel("userLabel", "User name:", 16, 52, 90, 20), userBox)
' Page 2: what to install.
Set typical = form.AddOptionBox("typical", "Typical: office and mail", 32, 66, 300, 22)
Set custom = form.AddOptionBox("custom", "Developer: office, mail and tools", 32, 94, 300, 22)
Set printers = form.AddCheckBox("printers", "Connect the floor's printers", 16, 138, 300, 22)
pages(1) = Array(form.AddFrame("kind", "Installation", 16, 44, 380, 84), typical, custom, printers)
' Page 3: what will happen.
Set summary = form.AddLabel("summary", "", 16, 48, 380, 90)
pages(2) = Array(summary)

Set back = form.AddCmdButton("back", "< Back", 136, 186, 80, 28, "back")
Set nextButton = form.AddCmdButton("next", "Next >", 224, 186, 80, 28, "next")
form.AddCmdButton "cancel", "Cancel", 316, 186, 80, 28, "cancel"
titles = Array("Who is it for?", "What should it have?", "Ready to set it up")
typical.Value = 1

Sub ShowPage(n)
    Dim p, c
    For p = 0 To 2
        For Each c In pages(p)
            If p = n Then c.Visible = 1 Else c.Visible = 0
        Next
    Next
    page = n
    title.Caption = titles(page)
    If page > 0 Then back.Enable = 1 Else back.Enable = 0
    If page = 2 Then
        nextButton.Caption = "Finish"
        summary.Caption = Describe(vbLf)
    Else
        nextButton.Caption = "Next >"
    End If
    If page = 0 Then userBox.SetFocus
End Sub

Function Describe(separator)
    Dim user, kind, floor
    user = userBox.Text
    If user = "" Then user = "(no name)"
    If custom.Value = 1 Then kind = "developer" Else kind = "typical"
    If printers.Value = 1 Then floor = "connected" Else floor = "not connected"
    Describe = "User: " & user & separator & "Installation: " & kind & separator & "Printers: " & floor
End Function

form.Visible = 1
ShowPage 0
Do
    evt = form.LastEvent
    Select Case evt
        Case "back": ShowPage page - 1
        Case "next": If page < 2 Then ShowPage page + 1 Else evt = "finish"
    End Select
Loop Until evt = "finish" Or evt = "cancel" Or evt = ""   ' "" when closed from the title bar

If evt = "finish" Then
    WScript.Echo Describe("; ")
Else
    WScript.Echo "Cancelled: nothing set up."
End If
desk.CloseAll
