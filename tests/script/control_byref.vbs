' The add methods from a VBScript host: every argument a variable passed by reference,
' left-out optional arguments, and the normalised values.
Dim failures : failures = 0
Sub ok(cond, msg)
    If Not cond Then failures = failures + 1 : WScript.Echo "FAIL: " & msg
End Sub

Dim desk, f, b, t, l, o, n, c, x, y, w, h, e, m, a
Set desk = CreateObject("Morvane.Desktop")
' Run with the argument "classic", the whole script runs in the classic look.
If WScript.Arguments.Count > 0 Then
    If WScript.Arguments(0) = "classic" Then desk.VisualStyles = 0
End If
Set f = desk.CreateForm("vb", "VBScript controls", 100, 100, 300, 200)
n = "Go" : c = "Go!" : x = 10 : y = 12 : w = 80 : h = 24 : e = "clicked" : m = 1
Set b = f.AddCmdButton(n, c, x, y, w, h, e, m)
ok Not (b Is Nothing), "AddCmdButton with variables"
ok b.OnClick = "clicked", "OnClick = " & b.OnClick
ok b.Left = 10 And b.Top = 12 And b.Width = 80 And b.Height = 24, "geometry"
ok n = "Go" And m = 1, "the caller's variables keep their values"
a = -1
Set l = f.AddLabel("lbl", "centred", 10, 40, 80, 20, a)
ok Not (l Is Nothing), "AddLabel with an alignment variable"
Set t = f.AddTextbox("txt", "", 10, 70, , , , , 5)
ok Not (t Is Nothing), "AddTextbox with left-out arguments"
ok t.Width = 0, "a left-out width is 0: " & t.Width
Set o = f.AddOptionBox("GO", "dup")
ok o Is Nothing, "a name in use in another case is Nothing"
ok f.Count = 3, "Count = " & f.Count
ok f.controls(2).name = "lbl", "controls(2)"
b.MoveResize , , 120
ok b.Width = 120 And b.Left = 10, "MoveResize with left-out arguments"
desk.CloseAll
If failures = 0 Then WScript.Echo "PASS"
