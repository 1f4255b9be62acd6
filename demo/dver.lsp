;;; dver.lsp - дверной проем с полотном и дугой открывания.

(defun dver (/ data c a w n side p0)
  (if (setq data (proem_get))
    (progn
      (setq c (car data) a (cadr data) w (caddr data)
            n (+ a (/ pi 2)))
      (initget "Левая Правая")
      (setq side (getkword "\nПетли [Левая/Правая] <Левая>: "))
      (if (= side "Правая") (setq a (+ a pi)))
      (lib_layer "ДВЕРИ" 3)
      (proem_jambs data)
      (setq p0 (polar c a (/ w -2)))
      (command "_.LINE" p0 (polar p0 n w) "")
      (command "_.ARC" "_C" p0 (polar p0 a w) (polar p0 n w))
      (princ "\nДверь построена.")))
  (princ))

(defun c:dver () (dver))
(princ)
