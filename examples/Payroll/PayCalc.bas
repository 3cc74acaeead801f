Attribute VB_Name = "PayCalc"
Option Explicit
' Pay calculation for one employee and one period.
' Note: "Déjà payé" marks a period that was paid before.

Public Const RATE_PER_YEAR = 12.5

Public Function PaySlipLine(emp As Employee, ByVal dtPay As Variant) As String
    Dim strLine As String
    strLine = emp.EmpName & "  " & Format$(dtPay, "mm/dd/yy")
    strLine = strLine & "  years: " & emp.YearsOfService(dtPay)
    If emp.LastPaid = dtPay Then
        strLine = strLine & "  (Déjà payé)"
    End If
    PaySlipLine = strLine
End Function

Public Function Bonus(emp As Employee, ByVal dtPay As Variant) As Currency
    ' One step per full year of service
    Bonus = RATE_PER_YEAR * emp.YearsOfService(dtPay)
End Function

Public Function Age(ByVal dtBirth As Variant) As Integer
    Age = Val(Right$(Date$, 2)) - Val(Right$(Format$(dtBirth, "mm/dd/yy"), 2))
End Function
