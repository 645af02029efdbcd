' The form's file methods from a VBScript logon script: copy, move and recycle real files
' silently, lists of several files, refused paths, and the script's variables untouched.
Dim failures : failures = 0
Sub ok(cond, msg)
    If Not cond Then failures = failures + 1 : WScript.Echo "FAIL: " & msg
End Sub

Dim fso, shell, desk, f, dir, a, b, sources, targets, before, r, name, trash
Set fso = CreateObject("Scripting.FileSystemObject")
Set shell = CreateObject("WScript.Shell")
dir = fso.BuildPath(fso.GetSpecialFolder(2), "mvfiles-" & fso.GetTempName())
fso.CreateFolder dir
a = fso.BuildPath(dir, "a.txt") : b = fso.BuildPath(dir, "b.txt")
fso.CreateTextFile(a).Write "alpha"
fso.CreateTextFile(b).Write "beta"

Function Content(path)
    If fso.FileExists(path) Then Content = fso.OpenTextFile(path).ReadAll() Else Content = "<none>"
End Function

Set desk = CreateObject("Morvane.Desktop")
' Run with the argument "classic", the whole script runs in the classic look.
If WScript.Arguments.Count > 0 Then
    If WScript.Arguments(0) = "classic" Then desk.VisualStyles = 0
End If
Set f = desk.CreateForm("files", "Files")

' Two sources to two targets, passed in variables (by reference): the lists keep their commas.
sources = a & "," & b : targets = dir & "\c.txt," & dir & "\d.txt"
before = sources
r = f.CopyFilePB(sources, targets, 1, 1)
ok r = 1, "CopyFilePB = " & r
ok sources = before, "the source variable was changed: " & sources
ok Content(dir & "\c.txt") = "alpha" And Content(dir & "\d.txt") = "beta", "copies paired in order"
ok Content(a) = "alpha", "a copy keeps its source"

r = f.MoveFilePB(dir & "\c.txt", dir & "\moved.txt", 1, 1)
ok r = 1, "MoveFilePB = " & r
ok Not fso.FileExists(dir & "\c.txt"), "a move leaves no source"
ok Content(dir & "\moved.txt") = "alpha", "moved content"

ok f.CopyFilePB("a.t", dir & "\x.txt", 1, 1) = 2, "short source"
ok f.CopyFilePB(a, "", 1, 1) = 2, "empty target"
ok f.RecycleFilePB(a & ",," & b, 1, 1) = 2, "an empty entry in the middle"
ok f.CopyFilePB(dir & "\missing.txt", dir & "\x.txt", 1, 1) <> 1, "a missing source is no success"
ok Not fso.FileExists(dir & "\x.txt"), "nothing made for refused or failed copies"

' Moving onto an existing file: replaced silently with the replace-all switch.
fso.CreateTextFile(dir & "\x.txt").Write "old"
r = f.MoveFilePB(dir & "\moved.txt", dir & "\x.txt", 1, 1)
ok r = 1 And Content(dir & "\x.txt") = "alpha", "MoveFilePB onto a file with replace-all = " & r
ok f.CopyFilePB(a, dir & "\*.txt", 1, 1) = 2, "a wildcard in a target"
ok f.MoveFilePB(dir & "\gone.txt", dir & "\y.txt", 1, 1) = 2, "a missing source of a move"

' Recycled: gone from its folder, found in the recycle bin (Wine: the XDG trash in the home).
name = "mvrecycle-" & fso.GetTempName()
fso.CreateTextFile(dir & "\" & name).Write "to the bin"
r = f.RecycleFilePB(dir & "\" & name, 1, 1)
ok r = 1, "RecycleFilePB = " & r
ok Not fso.FileExists(dir & "\" & name), "the recycled file left its folder"
' Wine's ExpandEnvironmentStrings leaves the terminating NUL in the string.
trash = Replace(shell.ExpandEnvironmentStrings("%WINEHOMEDIR%"), Chr(0), "")
trash = Replace(trash, "\??\", "") & "\.local\share\Trash"
If fso.FolderExists(trash) Then
    ok Content(trash & "\files\" & name) = "to the bin", "not in the recycle bin " & trash
    If fso.FileExists(trash & "\files\" & name) Then fso.DeleteFile trash & "\files\" & name
    If fso.FileExists(trash & "\info\" & name & ".trashinfo") Then fso.DeleteFile trash & "\info\" & name & ".trashinfo"
End If

desk.CloseAll
fso.DeleteFolder dir, True
If failures = 0 Then WScript.Echo "PASS"
