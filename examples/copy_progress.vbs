' Copy the files of one folder into another, one by one, with a progress bar and the
' name of the file being copied; Cancel stops between two files and says how many were
' copied. The folders are asked for with the folder browser, or given as arguments.
'   cscript //nologo examples/copy_progress.vbs [source-folder target-folder]
Option Explicit
Dim fso, desk, form, status, bar, count, source, target, file, total, done, copied, failed, cancelled, report
Set fso = CreateObject("Scripting.FileSystemObject")
Set desk = CreateObject("Morvane.Desktop")
Set form = desk.CreateForm("copy", "Copy files", 240, 200, 420, 170)
form.Resizeable = 0
Set status = form.AddLabel("status", "Choose the folders...", 16, 16, 380, 20)
Set bar = form.AddProgressBar("bar", 16, 44, 380, 22, 2)    ' 2: the gradient bar
Set count = form.AddLabel("count", "", 16, 74, 380, 20)
form.AddCmdButton "cancel", "Cancel", 316, 100, 80, 28, "cancel"
form.Visible = 1

If WScript.Arguments.Count >= 2 Then
    source = WScript.Arguments(0)
    target = WScript.Arguments(1)
Else
    source = form.ShowFolderBrowser("", "Copy the files of which folder?")
    If source <> "" Then target = form.ShowFolderBrowser(source, "Into which folder?")
End If
If source = "" Or target = "" Then
    WScript.Echo "No folder chosen: nothing copied."
    desk.CloseAll
    WScript.Quit
End If

total = fso.GetFolder(source).Files.Count
bar.MaxProgress = total
done = 0 : copied = 0 : failed = 0 : cancelled = False
For Each file In fso.GetFolder(source).Files
    status.Caption = "Copying " & file.Name
    ' Silent (no window of the shell's own), asking before it replaces a file.
    If form.CopyFilePB(source & "\" & file.Name, target & "\" & file.Name, 1, 0) = 1 Then
        copied = copied + 1
    Else
        failed = failed + 1
    End If
    done = done + 1
    bar.CurrentProgress = done         ' repaints the bar
    count.Caption = copied & " of " & total & " copied"
    ' A click on Cancel, if any (PendingEvent never waits), or the form closed.
    If form.PendingEvent = "cancel" Or form.Visible = 0 Then
        cancelled = True
        Exit For
    End If
Next

If cancelled Then report = "Cancelled: copied " Else report = "Done: copied "
report = report & copied & " of " & total & " files"
If failed > 0 Then report = report & " (" & failed & " failed)." Else report = report & "."
status.Caption = report
WScript.Echo report
desk.CloseAll
