Attribute VB_Name = "Quorvix"
' Quorvix, Tavrel's joint analysis engine, from an Excel workbook.
'
' Import this module (Visual Basic editor: File > Import File...) and put Quorvix.dll
' in the workbook's folder: the 64-bit DLL for 64-bit Office, the 32-bit DLL for
' 32-bit Office (File > Account > About Excel says which). Then, in a cell:
'
'   =DOWELBEARING(12, 0.25, 300, 9000, 4000000, 12, 90, 1.25, 2250000)
'
' Every function takes the window's seven design inputs in its order, then the bar:
'   spacing        dowel spacing, in
'   opening        joint opening, in
'   k              slab support reaction modulus, psi/in
'   load           wheel load, lb
'   ec             concrete elastic modulus, psi
'   thickness      slab thickness, in
'   tirePressure   tire pressure, psi
'   diameter       diameter of the round dowel bar, in
'   supportModulus modulus of dowel support K, psi/in
' and analyses that joint as the window does: steel dowels only across the joint,
' normal concrete, no aggregate interlock. Each returns one of the five results the
' window shows; the ratios are fractions (format the cell as a percentage).
' The engine checks no input: keep to the window's limits (tavrel-cli --help lists
' them). When Quorvix.dll cannot be loaded, the cell shows why.
Option Explicit

' The engine's two records, field for field and byte for byte as its C header has
' them. Every field sits at a multiple of its own size with the gaps written out,
' so the layout is the same in 32- and 64-bit Office.
Public Type DowelJointInput
    includeDowels As Integer            ' flag: -1 true, 0 false
    gap0 As Integer                     ' never read
    dowelShape As Long                  ' 1 round, anything else elliptical
    includeAggregate As Integer         ' flag: -1 true, 0 false
    gap1 As Integer                     ' never read
    dowelDiameter As Single             ' in, round bars only
    dowelWidth As Single                ' in, horizontal axis of an elliptical bar
    dowelHeight As Single               ' in, vertical axis of an elliptical bar
    dowelPoisson As Single
    dowelModulus As Single              ' psi
    dowelSpacing As Single              ' in
    dowelSupportModulus As Single       ' psi/in, K
    jointOpening As Single              ' in, z
    concreteModulus As Single           ' psi, E
    concretePoisson As Single
    slabThickness As Single             ' in, h
    interlockDepthDeduction As Single   ' in, subtracted from h for the interlock fit
    wheelLoad As Single                 ' lb, P
    tirePressure As Single              ' psi, p
    subgradeModulus As Single           ' psi/in, k
    interlockDecayCount As Single       ' N, decays the interlock by exp(-N/70000)
End Type

Public Type DowelJointResult
    deflectionLte As Single             ' dU / dL
    stressLte As Single                 ' sU / sL
    deflectionTransferRatio As Single   ' 2 dU / (dL + dU)
    effectiveness As Single             ' 1 / ((dL - dU) / dFree + 2)
    loadedDeflection As Single          ' in, dL
    unloadedDeflection As Single        ' in, dU
    freeEdgeDeflection As Single        ' in, dFree
    loadedStress As Single              ' psi, sL
    unloadedStress As Single            ' psi, sU
    freeEdgeStress As Single            ' psi, sFree
    dowelStiffness As Single            ' psi, D
    aggregateStiffness As Single        ' psi, AGG
    jointStiffness As Single            ' psi
    edgeBearingStress As Single         ' psi
    cornerBearingStress As Single       ' psi
End Type

' CALCLTE always returns 0. The 32-bit DLL exports it as stdcall, which is how VBA
' calls a Declare'd function; 64-bit Windows has only one convention.
#If VBA7 Then
Private Declare PtrSafe Function CALCLTE Lib "Quorvix.dll" (ByRef inp As DowelJointInput, ByRef res As DowelJointResult) As Long
Private Declare PtrSafe Function LoadLibraryW Lib "kernel32" (ByVal fileName As LongPtr) As LongPtr
#Else
Private Declare Function CALCLTE Lib "Quorvix.dll" (ByRef inp As DowelJointInput, ByRef res As DowelJointResult) As Long
Private Declare Function LoadLibraryW Lib "kernel32" (ByVal fileName As Long) As Long
#End If

Private engineLoaded As Boolean
Private engineProblem As String

' Windows looks for a Declare's DLL beside Excel, not beside the workbook. Loading
' the workbook's copy first by its full path makes "Quorvix.dll" name that copy.
Private Function EngineReady() As Boolean
    If engineLoaded Then
        EngineReady = True
        Exit Function
    End If
    Dim file As String
    If Len(ThisWorkbook.Path) > 0 Then
        file = ThisWorkbook.Path & Application.PathSeparator & "Quorvix.dll"
        If Len(Dir(file)) > 0 Then
            If LoadLibraryW(StrPtr(file)) = 0 Then
                engineProblem = "Quorvix.dll could not be loaded from " & ThisWorkbook.Path & _
                    ": is it the DLL for this Office's bitness?"
                Exit Function
            End If
        End If
    End If
    engineLoaded = True
    EngineReady = True
End Function

' Fills the records and calls the engine; False (and engineProblem) when it cannot.
Private Function Analyse(ByRef res As DowelJointResult, ByVal spacing As Double, _
        ByVal opening As Double, ByVal k As Double, ByVal load As Double, ByVal ec As Double, _
        ByVal thickness As Double, ByVal tirePressure As Double, ByVal diameter As Double, _
        ByVal supportModulus As Double) As Boolean
    Dim inp As DowelJointInput
    ' What the window holds fixed: steel dowels only, normal concrete, no interlock.
    inp.includeDowels = -1
    inp.includeAggregate = 0
    inp.dowelModulus = 29000000
    inp.dowelPoisson = 0.3
    inp.concretePoisson = 0.15
    inp.interlockDepthDeduction = 0
    inp.interlockDecayCount = 0
    ' The design and the bar.
    inp.dowelSpacing = spacing
    inp.jointOpening = opening
    inp.subgradeModulus = k
    inp.wheelLoad = load
    inp.concreteModulus = ec
    inp.slabThickness = thickness
    inp.tirePressure = tirePressure
    inp.dowelShape = 1
    inp.dowelDiameter = diameter
    inp.dowelSupportModulus = supportModulus

    If Not EngineReady() Then Exit Function
    On Error GoTo CallFailed
    CALCLTE inp, res
    Analyse = True
    Exit Function
CallFailed:
    engineProblem = "Quorvix.dll: " & Err.Description
End Function

' Bearing stress between the critical dowel and the concrete, psi.
Public Function DOWELBEARING(ByVal spacing As Double, ByVal opening As Double, ByVal k As Double, _
        ByVal load As Double, ByVal ec As Double, ByVal thickness As Double, _
        ByVal tirePressure As Double, ByVal diameter As Double, _
        ByVal supportModulus As Double) As Variant
    Dim res As DowelJointResult
    If Analyse(res, spacing, opening, k, load, ec, thickness, tirePressure, diameter, supportModulus) Then
        DOWELBEARING = CDbl(res.edgeBearingStress)
    Else
        DOWELBEARING = engineProblem
    End If
End Function

' The bearing stress scaled for corner loading, psi.
Public Function DOWELCORNERBEARING(ByVal spacing As Double, ByVal opening As Double, ByVal k As Double, _
        ByVal load As Double, ByVal ec As Double, ByVal thickness As Double, _
        ByVal tirePressure As Double, ByVal diameter As Double, _
        ByVal supportModulus As Double) As Variant
    Dim res As DowelJointResult
    If Analyse(res, spacing, opening, k, load, ec, thickness, tirePressure, diameter, supportModulus) Then
        DOWELCORNERBEARING = CDbl(res.cornerBearingStress)
    Else
        DOWELCORNERBEARING = engineProblem
    End If
End Function

' Deflection load transfer, unloaded over loaded side, as a fraction.
Public Function DOWELDEFLECTIONLTE(ByVal spacing As Double, ByVal opening As Double, ByVal k As Double, _
        ByVal load As Double, ByVal ec As Double, ByVal thickness As Double, _
        ByVal tirePressure As Double, ByVal diameter As Double, _
        ByVal supportModulus As Double) As Variant
    Dim res As DowelJointResult
    If Analyse(res, spacing, opening, k, load, ec, thickness, tirePressure, diameter, supportModulus) Then
        DOWELDEFLECTIONLTE = CDbl(res.deflectionLte)
    Else
        DOWELDEFLECTIONLTE = engineProblem
    End If
End Function

' Stress load transfer, unloaded over loaded side, as a fraction.
Public Function DOWELSTRESSLTE(ByVal spacing As Double, ByVal opening As Double, ByVal k As Double, _
        ByVal load As Double, ByVal ec As Double, ByVal thickness As Double, _
        ByVal tirePressure As Double, ByVal diameter As Double, _
        ByVal supportModulus As Double) As Variant
    Dim res As DowelJointResult
    If Analyse(res, spacing, opening, k, load, ec, thickness, tirePressure, diameter, supportModulus) Then
        DOWELSTRESSLTE = CDbl(res.stressLte)
    Else
        DOWELSTRESSLTE = engineProblem
    End If
End Function

' Joint effectiveness, as a fraction.
Public Function DOWELEFFECTIVENESS(ByVal spacing As Double, ByVal opening As Double, ByVal k As Double, _
        ByVal load As Double, ByVal ec As Double, ByVal thickness As Double, _
        ByVal tirePressure As Double, ByVal diameter As Double, _
        ByVal supportModulus As Double) As Variant
    Dim res As DowelJointResult
    If Analyse(res, spacing, opening, k, load, ec, thickness, tirePressure, diameter, supportModulus) Then
        DOWELEFFECTIVENESS = CDbl(res.effectiveness)
    Else
        DOWELEFFECTIVENESS = engineProblem
    End If
End Function
