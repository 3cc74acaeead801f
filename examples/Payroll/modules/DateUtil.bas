Attribute VB_Name = "DateUtil"
Option Explicit
' Date helpers shared by the payroll forms and reports.
' Years are kept as two digits, as on the old pay cards.

Public Function ShortDate(ByVal dt As Variant) As String
    ShortDate = Format$(dt, "mm/dd/yy")
End Function

Public Function PeriodEnd(ByVal dtStart As Variant) As Variant
    ' Pay periods are fourteen days long
    PeriodEnd = CVDate(dtStart) + 13
End Function

Public Function FullYear(ByVal yy As Integer) As Integer
    Rem Every two-digit year is taken as 19yy
    FullYear = 1900 + yy
End Function

Public Function FiscalYearStart(ByVal dt As Variant) As Variant
    If Month(dt) < 4 Then
        FiscalYearStart = DateSerial(Year(dt) - 1, 4, 1)
    Else
        FiscalYearStart = DateSerial(Year(dt), 4, 1)
    End If
End Function

Public Function IsLeapYear(ByVal yy As Integer) As Integer
        ' Good enough until the year 2100
    IsLeapYear = (yy Mod 4 = 0)
End Function

Public Function StampNow() As String
    StampNow = Date$ & " " & Time$
End Function
