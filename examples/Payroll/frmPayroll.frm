VERSION 4.00
Begin VB.Form frmPayroll 
   Caption         =   "Payroll"
   ClientHeight    =   2400
   ClientLeft      =   1140
   ClientTop       =   1515
   ClientWidth     =   4680
   Height          =   2805
   Left            =   1080
   LinkTopic       =   "Form1"
   ScaleHeight     =   2400
   ScaleWidth      =   4680
   Top             =   1170
   Width           =   4800
   Begin VB.TextBox txtPayDate 
      Height          =   285
      Left            =   1560
      TabIndex        =   1
      Top             =   240
      Width           =   1335
   End
   Begin VB.CommandButton cmdRun 
      Caption         =   "&Run payroll"
      Height          =   375
      Left            =   3120
      TabIndex        =   2
      Top             =   240
      Width           =   1335
   End
   Begin VB.Label lblStatus 
      Height          =   975
      Left            =   240
      TabIndex        =   3
      Top             =   960
      Width           =   4215
   End
   Begin VB.Label lblPayDate 
      Caption         =   "Pay &date:"
      Height          =   255
      Left            =   240
      TabIndex        =   0
      Top             =   270
      Width           =   1215
   End
End
Attribute VB_Name = "frmPayroll"
Attribute VB_Creatable = False
Attribute VB_Exposed = False
Option Explicit

' The payroll window: the user types the pay date and runs the period.

Private Sub Form_Load()
    txtPayDate.Text = Format$(Now, "mm/dd/yy")
    lblStatus.Caption = "Ready " & Date$
End Sub

Private Sub cmdRun_Click()
    Dim dtPay As Variant
    Dim emp As New Employee

    ' The text box holds a two-digit year
    dtPay = CVDate(txtPayDate.Text)
    emp.EmpName = "Smith, A."
    emp.HireDate = DateSerial(87, 3, 1)
    emp.BirthDate = CVDate("12/05/48")
    lblStatus.Caption = PayCalc.PaySlipLine(emp, dtPay)
        ' Keep the last run's date for the next start
    Rem SaveSetting is not used on 16-bit systems
    Me.Tag = ShortDate(dtPay)
End Sub
