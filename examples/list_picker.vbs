' A list picker: the user chooses one printer from a list, with OK or a double-click,
' and the script prints the choice. The list keeps its items sorted.
'   cscript //nologo examples/list_picker.vbs
Option Explicit
Dim desk, form, list, hint, printer, evt, picked
Set desk = CreateObject("Morvane.Desktop")
Set form = desk.CreateForm("picker", "Choose a printer", 250, 180, 300, 280)
form.Resizeable = 0
form.AddLabel "prompt", "Print the report on:", 16, 12, 260, 18
Set list = form.AddListBox("printers", 16, 34, 260, 150)
For Each printer In Array("Reception laser", "Finance colour", "Plotter A0", "Second floor laser", "Label printer")
    list.AddItem printer
Next
list.OnDoubleClick = "ok"              ' a double-click on an item picks it
list.OnChange = "changed"
Set hint = form.AddLabel("hint", "", 16, 190, 260, 18)
form.AddCmdButton "ok", "OK", 104, 212, 80, 28, "ok"
form.AddCmdButton "cancel", "Cancel", 196, 212, 80, 28, "cancel"

form.Visible = 1
list.SetFocus                          ' arrow keys move the selection at once
Do
    evt = form.LastEvent
    Select Case evt
        Case "changed": hint.Caption = "Selected: " & list.Item(list.ListIndex)
    End Select
Loop Until evt = "ok" Or evt = "cancel" Or evt = ""   ' "" when closed from the title bar

picked = list.ListIndex                ' -1 when nothing is selected
If evt = "ok" And picked >= 0 Then
    WScript.Echo "Printing on: " & list.Item(picked)
ElseIf evt = "ok" Then
    WScript.Echo "No printer selected: nothing printed."
Else
    WScript.Echo "Cancelled: nothing printed."
End If
desk.CloseAll
